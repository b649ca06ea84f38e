#pragma once
// tolvan-host gui: the plug-in's editor in a top-level X window of the host's own, as a real host
// shows it. The window is sized from the editor's rectangle and follows the plug-in's resize
// requests; effEditIdle runs about 30 times a second; the window's close button ends it. Audio
// runs meanwhile on a thread of its own, as in a real host; --measure runs the editor benchmark
// instead of showing the editor to a user.

#include "tools/host/HostOptions.h"

#include <string>

namespace tolvanhost {

class GuiCommand {
public:
    GuiCommand(const HostOptions& a_options, std::string a_plugin_path);
    // Throws HostError with a one-line message: no display, no editor, the plug-in refused.
    void run();

private:
    const HostOptions& m_options;
    std::string m_plugin_path;
};

} // namespace tolvanhost
