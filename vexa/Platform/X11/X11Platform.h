#pragma once
// The X11 backend. It opens its own connection to the display on first use (never the host's),
// serves its events and timers when the host calls idle and inside the toolkit's modal loops, and
// holds the CLIPBOARD selection for text that the toolkit copies.

#include "vexa/Platform/Platform.h"
#include "vexa/Platform/TimerTable.h"

#include <X11/Xlib.h>
#include <array>
#include <map>
#include <set>

namespace Vexa {

class X11Window;

class X11Platform : public Platform {
public:
    enum AtomName {
        Atom_WM_PROTOCOLS,
        Atom_WM_DELETE_WINDOW,
        Atom_NET_WM_NAME,
        Atom_UTF8_STRING,
        Atom_CLIPBOARD,
        Atom_TARGETS,
        Atom_VEXA_SELECTION,
        Atom_ENUM_SIZE,
    };

    X11Platform();
    ~X11Platform() override;

    // The toolkit's connection, opened on first use; null when no display can be reached.
    Display* get_display();
    // A new connection to $DISPLAY, or null. A busy server refuses connections now and then
    // (EAGAIN on its listening socket), so a few attempts are made, 20 ms apart.
    static Display* open_display();
    Atom atom(AtomName a_name) const noexcept { return m_atoms[a_name]; }
    // The X cursor of a shape, made once per connection.
    Cursor cursor(MouseCursor a_cursor);

    const char* get_name() const override { return "x11"; }
    bool can_show_windows() override { return get_display() != nullptr; }
    std::unique_ptr<NativeWindow> create_window(NativeWindowClient& a_client,
                                                const NativeWindowOptions& a_options) override;
    bool process_next_event() override;
    void process_pending_events() override;
    void post_quit() override { m_quit = true; }
    std::uint64_t get_time() override;
    bool set_timer(NativeWindow& a_window, unsigned a_id, unsigned a_interval) override;
    void kill_timer(NativeWindow& a_window, unsigned a_id) override;
    std::optional<std::u16string> get_clipboard_text() override;
    bool set_clipboard_text(std::u16string_view a_text) override;
    Size get_screen_size() override;
    std::optional<Rect> get_pointer_position() override;

    void p_register(::Window a_id, X11Window* a_window);
    void p_unregister(::Window a_id, X11Window* a_window);

private:
    void p_dispatch(XEvent& a_event);
    void p_dispatch_button(X11Window& a_window, const XButtonEvent& a_event, bool a_press);
    void p_dispatch_key(X11Window& a_window, XKeyEvent& a_event, bool a_press);
    void p_answer_selection_request(const XSelectionRequestEvent& a_request);
    bool p_fire_due_timer();
    // Waits for X input or the next timer, at most `a_limit` milliseconds.
    void p_wait(int a_limit);
    ::Window p_selection_window();

    Display* m_display = nullptr;
    bool m_tried = false;
    std::array<Atom, Atom_ENUM_SIZE> m_atoms{};
    std::map<::Window, X11Window*> m_windows;
    TimerTable m_timers;
    bool m_quit = false;
    ::Window m_selection_window = 0;
    std::u16string m_clipboard_text;
    // Double clicks: X reports single presses only.
    unsigned m_last_button = 0;
    Time m_last_press_time = 0;
    int m_last_press_x = 0;
    int m_last_press_y = 0;
    bool m_last_was_double = false;
    std::set<unsigned> m_held_keys;
    std::map<MouseCursor, Cursor> m_cursors;
};

} // namespace Vexa
