#pragma once

#include "tonekit/Parameters/FloatParameterSmoother.h"

namespace Tonekit {

// A single-lane float parameter on a geometric scale.
using ParameterSmoother_InternalExponential1 =
    FloatParameterSmoother<SmoothingScale::InternalGeometric, 1>;

} // namespace Tonekit
