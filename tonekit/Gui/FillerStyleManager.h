#pragma once
// The value bar's style properties, in index order: "negative_brush",
// "nonsignalling_indicator_pen", "positive_brush", "signalling_indicator_pen" and
// "value_indicator_pen".

#include "vexa/Styles/TableStyleManager.h"

namespace Vexa {
class StyleRegistry;
}

namespace Tonekit {

class FillerStyleManager {
public:
    static Vexa::TableStyleManager::Behaviour get_behaviour();
    static void install(const Vexa::StyleRegistry& a_registry);
};

} // namespace Tonekit
