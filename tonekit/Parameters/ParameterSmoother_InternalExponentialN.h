#pragma once

#include "tonekit/Parameters/FloatParameterSmoother.h"

namespace Tonekit {

// A 16-lane float parameter on a geometric scale.
using ParameterSmoother_InternalExponentialN =
    FloatParameterSmoother<SmoothingScale::InternalGeometric, 16>;

} // namespace Tonekit
