#pragma once

#include "tonekit/Parameters/FloatParameterSmoother.h"

namespace Tonekit {

// A single-lane float parameter on a linear scale.
using ParameterSmoother_InternalLinear1 = FloatParameterSmoother<SmoothingScale::InternalLinear, 1>;

} // namespace Tonekit
