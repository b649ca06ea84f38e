#pragma once
// A native window that hosts one desktop of toolkit windows: a child of a foreign window (a
// plug-in editor inside its host) or a top-level window. It turns native events into toolkit input,
// keeps the back buffer that the toolkit windows are composed into, and runs a modal loop while
// shown modally.
//
// Created hidden; each show decrements the hidden counter and shows at 0, each close hides.
// [ui-thread] Like everything in the toolkit: only the thread that created the windows uses them.

#include "orvo/Signals/Signal1.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Menus/SystemMenuBase.h"
#include "vexa/Platform/NativeWindow.h"
#include "vexa/Window/Modality.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vexa {

class QuitApplicationLoop;
class SystemWindow;

struct SystemWindowEvent {
    SystemWindow* window;
};
struct SystemWindowHidingEvent {
    SystemWindow* window;
};

class SystemWindow : public NativeWindowClient {
public:
    // Embedded in the foreign window when `a_native_parent` is not 0, else top-level and kept above
    // the superwindow when there is one. A popup has no decorations (menus, hints).
    SystemWindow(SystemWindow* a_superwindow, std::uint64_t a_native_parent, bool a_popup = false);
    SystemWindow(const SystemWindow&) = delete;
    SystemWindow& operator=(const SystemWindow&) = delete;
    virtual ~SystemWindow();

    // A modal show returns when the window is closed.
    void show(Modality a_modality);
    void close();
    // Emits the destroyed signal and lets go of the native window and the desktop.
    void destroy();

    void set_title(std::u16string_view a_title);
    // The menu whose keyboard shortcuts the window's key presses try first; null for none.
    void set_menu(SystemMenuBase* a_menu) { m_menu = a_menu; }
    SystemMenuBase* get_menu() const noexcept { return m_menu.get(); }
    void set_client_size(int a_width, int a_height);
    // Position of the client area in the parent's (or the screen's) coordinates.
    void set_position(int a_x, int a_y);
    // The client sizes the window may take; the current size is clamped into the new range.
    void set_size_limits(Size a_minimum, Size a_maximum);
    Size get_client_size() const;
    void set_delete_on_close(bool a_delete) noexcept { m_delete_on_close = a_delete; }
    void set_quit_application_on_close(bool a_quit) noexcept {
        m_quit_application_on_close = a_quit;
    }

    Desktop* get_desktop() const noexcept { return m_desktop.get(); }
    NativeWindow* get_native_window() const noexcept { return m_native.get(); }
    SystemWindow* get_superwindow() const noexcept { return m_superwindow; }
    bool is_shown() const noexcept { return m_hidden_counter == 0; }
    bool is_modal() const noexcept { return m_modal; }
    bool is_enabled() const noexcept { return m_disable_counter == 0; }
    int get_disable_counter() const noexcept { return m_disable_counter; }
    const Bitmap& get_back_buffer() const noexcept { return m_back_buffer; }

    Orvo::Signal1<SystemWindowEvent&> m_on_shown;
    Orvo::Signal1<SystemWindowHidingEvent&> m_on_hiding;
    Orvo::Signal1<SystemWindowEvent&> m_on_closed;
    Orvo::Signal1<SystemWindowEvent&> m_on_destroyed;

    // Process-wide: system windows ever created, and those shown now.
    static unsigned get_created_count() noexcept { return s_created_count; }
    // The mouse resting this long after its last move gives a hover event.
    static constexpr unsigned hover_time = 400;
    static const std::vector<SystemWindow*>& get_shown_windows() noexcept { return s_shown; }

    void handle_native_event(const NativeEvent& a_event) override;
    const Bitmap& compose(const Rect& a_update) override;
    void p_invalidate(const Rect& a_rect);

private:
    void p_resize(int a_width, int a_height);
    void p_place_first_time();
    void p_dispatch_input(const NativeEvent& a_event);
    void p_set_enabled(bool a_enabled);
    void p_arm_hover(bool a_armed);
    void p_update_cursor();

    SystemWindow* m_superwindow;
    std::uint64_t m_native_parent;
    std::unique_ptr<NativeWindow> m_native;
    std::unique_ptr<Desktop> m_desktop;
    int m_hidden_counter = 1;
    int m_capture_counter = 0;
    bool m_delete_on_close = false;
    bool m_quit_application_on_close = false;
    bool m_modal = false;
    int m_disable_counter = 0;
    QuitApplicationLoop* m_quit_loop = nullptr;
    bool m_first_show = true;
    Size m_initial_size{400, 300};
    Size m_minimum{1, 1};
    Size m_maximum{65536, 65536};
    std::optional<Rect> m_position;
    Bitmap m_back_buffer;
    int m_last_mouse_x = 0;
    int m_last_mouse_y = 0;
    SharedRef<SystemMenuBase> m_menu;

    static unsigned s_created_count;
    static std::vector<SystemWindow*> s_shown;
};

} // namespace Vexa
