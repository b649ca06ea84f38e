#pragma once
// The grid layouts' style properties: "equal_column_widths", "equal_row_heights",
// "horizontal_spacing", "spacing" (one dimension for both, or a list of the horizontal and the
// vertical one) and "vertical_spacing".

#include "vexa/Styles/TableStyleManager.h"

namespace Vexa {

class StyleRegistry;

class GridLayoutStyleManager {
public:
    static TableStyleManager::Behaviour get_behaviour();
    static void install(const StyleRegistry& a_registry);
};

} // namespace Vexa
