#pragma once
// tolvan-host gui --measure: the editor's figures as a host sees them, through the plug-in's
// interface and the X server only. Opens and closes the editor 101 times (open to first paint,
// resident memory, X windows left behind), times idle calls with nothing changed and whole
// repaints, then drags with the X test extension's pointer for ten seconds while audio runs and
// counts the silenced blocks. Prints one table.

#include "tools/host/EditorAudio.h"
#include "tools/host/EditorWindow.h"
#include "tools/host/HostContext.h"
#include "tools/host/PluginInstance.h"

#include <cstdio>
#include <optional>
#include <utility>

namespace tolvanhost {

class EditorBench {
public:
    static constexpr int cycles = 100;
    static constexpr int idle_calls = 1000;
    static constexpr int repaints = 100;
    static constexpr int drag_seconds = 10;

    // a_audio is null when the drag is to run without audio; a_drag is where the drag starts, in
    // the editor's coordinates (default: its centre).
    EditorBench(PluginInstance& a_plugin, HostContext& a_context, EditorWindow& a_window,
                EditorAudio* a_audio, std::optional<std::pair<int, int>> a_drag);
    void run(std::FILE* a_out);

private:
    // Milliseconds from effEditOpen until the window shows the editor's picture; negative when it
    // never does within two seconds.
    double p_open_to_paint();
    void p_settle(int a_milliseconds);
    void p_drag(std::FILE* a_out);

    PluginInstance& m_plugin;
    HostContext& m_context;
    EditorWindow& m_window;
    EditorAudio* m_audio;
    std::optional<std::pair<int, int>> m_drag;
};

} // namespace tolvanhost
