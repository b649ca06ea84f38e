#pragma once

#include "tonekit/Parameters/ParameterChangeLink.h"

namespace Tonekit {

// Which changes the device smooths: a mask of ParameterChangeReason bits ("Parameter smoothing" in
// the settings). Anything else is applied at once.
enum ParameterSmoothingReason : unsigned {
    ParameterSmoothingReason_NONE = 0,
    ParameterSmoothingReason_GUI = ParameterChangeReason_INTERNAL,
    ParameterSmoothingReason_HOST = ParameterChangeReason_HOST,
    ParameterSmoothingReason_ALL = ParameterChangeReason_INTERNAL | ParameterChangeReason_HOST,
};

} // namespace Tonekit
