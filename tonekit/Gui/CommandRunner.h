#pragma once
// How a part of the modulation editor hands a command on the modulation to the editor, which runs
// it, shows a refusal and brings the panels in step afterwards.

#include <functional>

namespace Tonekit {

using CommandRunner = std::function<void(const std::function<void()>&)>;

} // namespace Tonekit
