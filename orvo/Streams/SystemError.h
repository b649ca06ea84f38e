#pragma once

#include "orvo/Core/String.h"

namespace Orvo {

// The system's description of an errno value, e.g. "No such file or directory".
WString system_error_text(int a_error);

} // namespace Orvo
