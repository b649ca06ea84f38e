#pragma once
// The root of a native window's widgets: it fills the client area and holds the toolkit windows in
// stacking order (last = topmost). It routes input (the widget under the mouse, the mouse grab,
// the keyboard focus), activates windows, keeps the native window's timers, and brings window
// bitmaps up to date before the native window composes them.

#include "vexa/Widget/InputListener.h"
#include "vexa/Widget/UpdateManager.h"
#include "vexa/Window/Window.h"

#include <map>
#include <memory>

namespace Vexa {

class HintWindow;
class SystemWindow;
class Timer;

class Desktop : public Window {
public:
    explicit Desktop(SystemWindow* a_system_window);
    ~Desktop() override;

    SystemWindow* get_system_window() const noexcept { return m_system_window; }
    const std::vector<Window*>& get_windows() const noexcept { return m_windows; }
    const std::vector<Window*>& get_open_windows() const noexcept { return m_open_windows; }
    Window* get_active_window() const noexcept { return m_active_window; }
    // Activating raises the window (and its subwindows) to the top.
    void activate(Window* a_window, bool a_active);

    // The deepest displayed widget at the point (desktop coordinates): a window's tree, or the
    // desktop itself.
    Widget* find_widget_at(int a_x, int a_y);
    Widget* get_widget_under_mouse() const noexcept { return m_under_mouse; }
    Widget* get_grab_widget() const noexcept { return m_grab; }
    Widget* get_focus_widget() const noexcept { return m_focus; }
    // Moves the focus without asking the widget's policy (null: no focus).
    void set_focus_widget(Widget* a_widget);

    // Listeners see mouse and keyboard input before the target (scope before) or after it.
    InputListeners& get_input_listeners(InputListenerScope a_scope) noexcept {
        return a_scope == InputListenerScope_BEFORE ? m_listeners_before : m_listeners_after;
    }
    void add_input_listener(InputListener* a_listener);
    void remove_input_listener(InputListener* a_listener);

    // Input from the native window. Mouse events carry desktop positions; keyboard events go to
    // the focus widget (else the active window) and bubble. Returns whether a widget consumed it.
    bool dispatch(InputEvent& a_event);
    void mouse_left();
    // The hint window while a hint shows, else null.
    HintWindow* get_shown_hint() const;
    void close_hint();
    // Ends the mouse grab without a mouse-up; the widget that held it gets m_on_mouse_grab_lost.
    void drop_grab();
    void set_windows_displayed(bool a_displayed);

    // Carries out the windows' pending work (destroy, restyle, measure, placement, mouse-over,
    // repaint) and hands the changed area to the native window. Nested calls and calls while
    // suspended only note that a flush is due.
    void flush();
    UpdateManager& get_update_manager() noexcept { return m_update_manager; }
    class UpdateSuspender : public UpdateManager::Suspension {
    public:
        explicit UpdateSuspender(Desktop& a_desktop)
            : UpdateManager::Suspension(a_desktop.m_update_manager) {}
    };
    // The area painted into window bitmaps by the flushes so far (desktop coordinates); for
    // measuring how much a change costs.
    const Rect& get_last_painted() const noexcept { return m_last_painted; }
    unsigned get_painted_rect_count() const noexcept { return m_painted_rect_count; }
    // Copies the desktop's and the displayed windows' bitmaps into the painter's target.
    void compose(Painter& a_painter, const Rect& a_update);

    unsigned p_add_timer(Timer* a_timer);
    void p_remove_timer(unsigned a_id);
    Timer* find_timer(unsigned a_id) const;

    void p_open_window(Window* a_window, Modality a_modality, Window* a_superwindow, bool a_flag);
    void p_close_window(Window* a_window);
    void p_remove_window(Window* a_window);
    void p_request_paint(Window* a_window);
    void p_invalidate(const Rect& a_rect);
    // The system window let go of the desktop; nothing is handed to it any more.
    void p_detach_system_window() noexcept { m_system_window = nullptr; }
    // A widget leaves the tree: the desktop forgets it as the widget under the mouse, grab or
    // focus.
    void p_forget_widget(Widget* a_widget);
    void p_mark_mouse_over_stale() noexcept { m_mouse_over_stale = true; }
    void p_set_focus(Widget* a_widget, int a_reason, int a_button, int a_x, int a_y);
    const char16_t* get_widget_class() const override { return u"Desktop"; }

protected:
    bool p_is_root_displayed() const override { return is_window_displayed(); }

private:
    void p_raise(Window* a_window);
    void p_reindex();
    void p_update_mouse_over(Widget* a_widget, const InputEvent& a_cause);
    bool p_bubble(Widget* a_target, InputEvent& a_event);
    static void p_flush_now(void* a_desktop);
    void p_show_hint();
    void p_hint_sees(const InputEvent& a_event);
    void p_flush_steps();
    void p_repaint_window(Window& a_window, Rect& a_dirty);

    SystemWindow* m_system_window;
    std::vector<Window*> m_windows;
    std::vector<Window*> m_open_windows;
    Window* m_active_window = nullptr;
    Widget* m_under_mouse = nullptr;
    Widget* m_grab = nullptr;
    int m_grab_count = 0;
    Widget* m_focus = nullptr;
    int m_last_mouse_x = 0;
    int m_last_mouse_y = 0;
    bool m_mouse_inside = false;
    bool m_mouse_over_stale = false;
    UpdateManager m_update_manager{&Desktop::p_flush_now, this};
    InputListeners m_listeners_before{InputListenerScope_BEFORE};
    InputListeners m_listeners_after{InputListenerScope_AFTER};
    std::unique_ptr<HintWindow> m_hint;
    bool m_hint_moved = false;
    int m_hint_travel = 0;
    int m_hint_x = 0;
    int m_hint_y = 0;
    Rect m_dirty;
    Rect m_last_painted;
    unsigned m_painted_rect_count = 0;
    std::map<unsigned, Timer*> m_timers;
    unsigned m_next_timer_id = 1;
};

} // namespace Vexa
