#pragma once

#include "tonekit/Parameters/FloatParameterSmoother.h"

namespace Tonekit {

// A float parameter that the signal path reads in normalized form, in 16 normalized lanes.
using ParameterSmoother_Normalized = FloatParameterSmoother<SmoothingScale::Normalized, 16>;

} // namespace Tonekit
