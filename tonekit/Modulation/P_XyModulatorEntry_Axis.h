#pragma once

#include "tonekit/Modulation/XyModulatorAxis.h"
#include "tonekit/ParameterTypes/P_TypedChoice.h"

namespace Tonekit {

// "Axis": option 1 "X", option 2 "Y". Presets store the option identifier minus 1.
class P_XyModulatorEntry_Axis : public P_TypedChoice<XyModulatorAxis> {
public:
    P_XyModulatorEntry_Axis();

    // A stored value past the last identifier must not wrap round to a valid one.
    std::uint32_t translate_loaded_id(std::uint32_t a_id) override {
        return a_id == 0xFFFFFFFFu ? 0 : a_id + 1;
    }
    std::uint32_t translate_saved_id(std::uint32_t a_id) override { return a_id - 1; }
};

} // namespace Tonekit
