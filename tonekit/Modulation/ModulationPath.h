#pragma once

#include "orvo/Core/String.h"

namespace Tonekit {

class Parameter;

// The name that tells a parameter apart among the device's and the modulators' parameters:
// "Name/E2/Range" for a parameter of a modulator's second entry, "Name/Amount" for one of the
// modulator itself, the display name for the device's own. "?" stands for a missing name.
Orvo::WString parameter_path_text(const Parameter& a_parameter);

} // namespace Tonekit
