#pragma once
// The host's side of an embedded editor: a top-level X window of the tool's own connection (plain
// Xlib, no toolkit), sized from effEditGetRect and handed to effEditOpen as the parent. Every call
// into the editor is made from the thread that owns this object, the host's UI thread.

#include "tools/host/HostContext.h"
#include "tools/host/PluginInstance.h"

#include <X11/Xlib.h>
#include <string>

namespace tolvanhost {

class EditorWindow {
public:
    // Opens the display and makes the (unmapped) window. Throws HostError: no display, no editor.
    EditorWindow(PluginInstance& a_plugin, HostContext& a_context, const std::string& a_path);
    ~EditorWindow();
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    Display* display() const { return m_display; }
    Window window() const { return m_window; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    void map();
    // effEditOpen with the window as parent, then the size the open editor asks for. Throws when
    // the plug-in refuses.
    void open_editor();
    void close_editor();
    bool editor_open() const { return m_editor_open; }
    // effEditIdle, the size the plug-in asked for meanwhile, then the window's events. False once
    // the window's close button was pressed.
    bool serve();
    // Whether the window shows more than one colour: a painted editor does, an empty window not.
    bool shows_content();
    // The X windows under ours (what an editor leaves behind after closing).
    int child_window_count();
    void save_screenshot(const std::string& a_path);

private:
    void p_fit_editor();

    PluginInstance& m_plugin;
    HostContext& m_context;
    Display* m_display = nullptr;
    Window m_window = 0;
    Atom m_delete_window = 0;
    int m_width = 400;
    int m_height = 300;
    bool m_editor_open = false;
};

} // namespace tolvanhost
