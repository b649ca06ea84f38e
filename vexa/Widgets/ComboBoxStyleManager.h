#pragma once
// The combo box's style properties: "arrow_box_width", "arrow_breadth", "arrow_brush",
// "arrow_length", "arrow_offset", "arrow_pen" and "text_arrow_space".

#include "vexa/Styles/TableStyleManager.h"

namespace Vexa {

class StyleRegistry;

class ComboBoxStyleManager {
public:
    static TableStyleManager::Behaviour get_behaviour();
    static void install(const StyleRegistry& a_registry);
};

} // namespace Vexa
