#pragma once
// The editor the host embeds: the device's GUI inside a toolkit window that is a child of the
// host's window. The toolkit talks to the X server through its own connection only; the host's
// editor calls may come from any one thread (not necessarily the one that loaded the plug-in), so
// every operation holds the toolkit lock, which the audio thread never takes.

#include "tonekit/vst/AEffEditor.h"
#include "vexa/Graphics/Geometry.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <string>

namespace Vexa {
class SystemWindow;
class Window;
struct WidgetEvent;
} // namespace Vexa

namespace Tonekit {

class Device;
class DeviceGui;
class VstHost;

class PluginEditor : public AEffEditor {
public:
    explicit PluginEditor(VstHost& a_adapter);
    ~PluginEditor() override;

    // The factory the plug-in module hands to the adapter.
    static std::unique_ptr<AEffEditor> create(VstHost& a_adapter);

    // top = left = 0, right and bottom the content's requested size (0 x 0 while closed).
    bool getRect(Vst::ERect** a_rect) override;
    // a_parent is the host's X window id. False when no window can be made (no display, a parent
    // that does not exist) or the device has no GUI.
    bool open(void* a_parent) override;
    void close() override;
    bool isOpen() override;
    // Serves the toolkit's X events and timers and lets the GUI show what changed.
    void idle() override;
    bool onKeyDown(Vst::VstKeyCode& a_key) override;
    void wheel_at_cursor(int a_delta) override;
    // The open editor's picture; a closed one is built for the moment off screen at its requested
    // size (on the headless backend while the process has no toolkit yet, so no display is
    // needed) and taken down again.
    bool write_snapshot(const char* a_path) override;
    bool repaint_all() override;
    std::unique_lock<std::recursive_mutex> lock_gui() override;

    Vexa::SystemWindow* get_window() const noexcept { return m_window.get(); }
    DeviceGui* get_gui() const noexcept { return m_gui; }

    // The host's virtual key (1..57) as a Windows virtual key; 0 for keys without one.
    static unsigned windows_key_of_vst_key(unsigned a_vst_key) noexcept;
    // The text a Windows virtual key types on a plain keyboard layout ("" for none).
    static std::u16string text_of_windows_key(unsigned a_code, unsigned char a_modifiers);
    // Serialises every use of the toolkit in this module: editors of several instances may be
    // driven from different host threads.
    static std::recursive_mutex& toolkit_lock();

private:
    bool p_open(std::uint64_t a_parent);
    // The toolkit window (embedded in a_parent, or top-level and never shown for 0) holding the
    // device's GUI.
    bool p_build(std::uint64_t a_parent);
    bool p_snapshot_off_screen(const char* a_path);
    bool p_write_picture(const char* a_path) const;
    void p_destroy_window();
    void p_on_content_sizes(Vexa::WidgetEvent&);
    Vexa::Size p_fitting_size(Vexa::Size a_size) const;
    // The host resized its window: the editor takes its size, within the GUI's limits.
    void p_follow_parent();
    void p_on_desktop_placed(Vexa::WidgetEvent&);
    bool p_deliver_key(unsigned a_code, const std::u16string& a_text);

    VstHost& m_adapter;
    Device& m_device;
    // The host's window, kept apart from the base's field that close() clears first.
    std::uint64_t m_parent = 0;
    DeviceGui* m_gui = nullptr;
    Vst::ERect m_rect{};
    std::unique_ptr<Vexa::SystemWindow> m_window;
    // Owned by the window's desktop once opened in it.
    Vexa::Window* m_content = nullptr;
    // The window exists only for a snapshot: no host window to resize.
    bool m_off_screen = false;
    // When the host's window was last measured (a round trip to the X server).
    std::chrono::steady_clock::time_point m_parent_checked{};
};

} // namespace Tonekit
