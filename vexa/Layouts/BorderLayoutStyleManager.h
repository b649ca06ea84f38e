#pragma once
// The border layouts' style properties: the spaces one by one ("space_top", "space_bottom",
// "space_left", "space_right"), in pairs ("horizontal_spaces": left and right,
// "vertical_spaces": top and bottom, each one dimension or a list of two) and all together
// ("spaces": one dimension; a list of 2, horizontal then vertical; or of 4, top, right, bottom,
// left).

#include "vexa/Styles/TableStyleManager.h"

namespace Vexa {

class StyleRegistry;

class BorderLayoutStyleManager {
public:
    static TableStyleManager::Behaviour get_behaviour();
    static void install(const StyleRegistry& a_registry);
};

} // namespace Vexa
