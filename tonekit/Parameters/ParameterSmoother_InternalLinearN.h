#pragma once

#include "tonekit/Parameters/FloatParameterSmoother.h"

namespace Tonekit {

// A 16-lane float parameter on a linear scale.
using ParameterSmoother_InternalLinearN =
    FloatParameterSmoother<SmoothingScale::InternalLinear, 16>;

} // namespace Tonekit
