#pragma once
// The modulator list's style properties, in index order: "enabled_modulator_text_color" and
// "disabled_modulator_text_color".

#include "vexa/Styles/TableStyleManager.h"

namespace Vexa {
class StyleRegistry;
}

namespace Tonekit {

class ModulatorListStyleManager {
public:
    static void install(const Vexa::StyleRegistry& a_registry);
};

} // namespace Tonekit
