#include "vexa/Platform/X11/X11Platform.h"

#include "orvo/Core/Utf.h"
#include "vexa/Platform/X11/X11ErrorTrap.h"
#include "vexa/Platform/X11/X11Keys.h"
#include "vexa/Platform/X11/X11Window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <poll.h>
#include <time.h>

#include <cstdlib>

namespace Vexa {

namespace {

constexpr Time double_click_time = 400;
constexpr int double_click_distance = 4;

std::u16string utf16_of(char32_t a_character) {
    std::u16string text;
    if (a_character >= 0x10000) {
        a_character -= 0x10000;
        text += char16_t(0xD800 + (a_character >> 10));
        text += char16_t(0xDC00 + (a_character & 0x3FF));
    } else {
        text += char16_t(a_character);
    }
    return text;
}

} // namespace

X11Platform::X11Platform() = default;

X11Platform::~X11Platform() {
    if (!m_display)
        return;
    {
        X11ErrorTrap trap(m_display);
        for (const auto& [shape, cursor] : m_cursors)
            XFreeCursor(m_display, cursor);
        if (m_selection_window)
            XDestroyWindow(m_display, m_selection_window);
    }
    X11ErrorTrap::unregister_display(m_display);
    XCloseDisplay(m_display);
}

Display* X11Platform::get_display() {
    if (m_tried)
        return m_display;
    m_tried = true;
    m_display = open_display();
    if (!m_display)
        return nullptr;
    X11ErrorTrap::register_display(m_display);
    const char* names[Atom_ENUM_SIZE] = {"WM_PROTOCOLS",  "WM_DELETE_WINDOW", "_NET_WM_NAME",
                                         "UTF8_STRING",   "CLIPBOARD",        "TARGETS",
                                         "VEXA_SELECTION"};
    XInternAtoms(m_display, const_cast<char**>(names), Atom_ENUM_SIZE, False, m_atoms.data());
    return m_display;
}

Display* X11Platform::open_display() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return nullptr;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (Display* display = XOpenDisplay(name))
            return display;
        poll(nullptr, 0, 20);
    }
    return nullptr;
}

std::unique_ptr<NativeWindow> X11Platform::create_window(NativeWindowClient& a_client,
                                                         const NativeWindowOptions& a_options) {
    return std::make_unique<X11Window>(*this, a_client, a_options);
}

Cursor X11Platform::cursor(MouseCursor a_cursor) {
    const auto found = m_cursors.find(a_cursor);
    if (found != m_cursors.end())
        return found->second;
    unsigned shape = XC_left_ptr;
    switch (a_cursor) {
    case MouseCursor_IBEAM:
        shape = XC_xterm;
        break;
    case MouseCursor_HAND:
        shape = XC_hand2;
        break;
    case MouseCursor_SIZE_WE:
        shape = XC_sb_h_double_arrow;
        break;
    case MouseCursor_SIZE_NS:
        shape = XC_sb_v_double_arrow;
        break;
    case MouseCursor_SIZE_NWSE:
        shape = XC_bottom_right_corner;
        break;
    case MouseCursor_SIZE_NESW:
        shape = XC_bottom_left_corner;
        break;
    default:
        break;
    }
    const Cursor cursor = XCreateFontCursor(m_display, shape);
    m_cursors[a_cursor] = cursor;
    return cursor;
}

void X11Platform::p_register(::Window a_id, X11Window* a_window) {
    m_windows[a_id] = a_window;
}

void X11Platform::p_unregister(::Window a_id, X11Window* a_window) {
    const auto found = m_windows.find(a_id);
    if (found != m_windows.end() && found->second == a_window)
        m_windows.erase(found);
    m_timers.kill_all(a_window);
}

std::uint64_t X11Platform::get_time() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::uint64_t(now.tv_sec) * 1000 + std::uint64_t(now.tv_nsec) / 1000000;
}

bool X11Platform::set_timer(NativeWindow& a_window, unsigned a_id, unsigned a_interval) {
    m_timers.set(&a_window, a_id, a_interval, get_time());
    return true;
}

void X11Platform::kill_timer(NativeWindow& a_window, unsigned a_id) {
    m_timers.kill(&a_window, a_id);
}

bool X11Platform::p_fire_due_timer() {
    const auto due = m_timers.take_due(get_time());
    if (!due)
        return false;
    NativeEvent event;
    event.type = NativeEventType::timer;
    event.timer_id = due->id;
    due->window->get_client().handle_native_event(event);
    return true;
}

void X11Platform::p_wait(int a_limit) {
    int timeout = a_limit;
    if (const auto next = m_timers.get_next_due()) {
        const std::uint64_t now = get_time();
        timeout =
            *next <= now ? 0 : int(std::min<std::uint64_t>(*next - now, std::uint64_t(a_limit)));
    }
    if (!m_display) {
        poll(nullptr, 0, timeout);
        return;
    }
    pollfd descriptor{ConnectionNumber(m_display), POLLIN, 0};
    poll(&descriptor, 1, timeout);
}

bool X11Platform::process_next_event() {
    Display* display = get_display();
    while (true) {
        if (m_quit) {
            m_quit = false;
            return false;
        }
        if (display) {
            X11ErrorTrap trap(display);
            if (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                p_dispatch(event);
                return true;
            }
        }
        if (p_fire_due_timer())
            return true;
        // Without a display and without timers nothing could ever arrive: the loop ends.
        if (!display && m_timers.size() == 0)
            return false;
        // A bounded wait, so that a quit posted from a handler elsewhere is seen soon.
        p_wait(100);
    }
}

void X11Platform::process_pending_events() {
    if (Display* display = get_display()) {
        X11ErrorTrap trap(display);
        while (XPending(display) > 0 && !m_quit) {
            XEvent event;
            XNextEvent(display, &event);
            p_dispatch(event);
        }
    }
    while (p_fire_due_timer()) {
    }
}

void X11Platform::p_dispatch(XEvent& a_event) {
    if (a_event.type == SelectionRequest) {
        p_answer_selection_request(a_event.xselectionrequest);
        return;
    }
    if (a_event.type == SelectionClear) {
        m_clipboard_text.clear();
        return;
    }
    const auto found = m_windows.find(a_event.xany.window);
    if (found == m_windows.end())
        return;
    X11Window& window = *found->second;
    NativeEvent event;
    switch (a_event.type) {
    case Expose:
        window.p_expose(
            {a_event.xexpose.x, a_event.xexpose.y, a_event.xexpose.width, a_event.xexpose.height});
        return;
    case ConfigureNotify:
        window.p_configured({a_event.xconfigure.x, a_event.xconfigure.y, a_event.xconfigure.width,
                             a_event.xconfigure.height});
        return;
    case DestroyNotify:
        if (a_event.xdestroywindow.window != found->first)
            return;
        window.p_destroyed();
        event.type = NativeEventType::destroyed;
        break;
    case ButtonPress:
    case ButtonRelease:
        p_dispatch_button(window, a_event.xbutton, a_event.type == ButtonPress);
        return;
    case MotionNotify: {
        // Only the latest position of a burst of moves matters.
        XEvent later;
        while (XCheckTypedWindowEvent(m_display, found->first, MotionNotify, &later))
            a_event = later;
        event.type = NativeEventType::mouse_move;
        event.x = a_event.xmotion.x;
        event.y = a_event.xmotion.y;
        break;
    }
    case LeaveNotify:
        if (a_event.xcrossing.mode != NotifyNormal)
            return;
        event.type = NativeEventType::mouse_leave;
        break;
    case KeyPress:
    case KeyRelease:
        p_dispatch_key(window, a_event.xkey, a_event.type == KeyPress);
        return;
    case FocusIn:
        // Without a window manager the focus follows the pointer ("PointerRoot"), and the click
        // that gives an embedded editor the keyboard moves it away from there: those
        // pointer-detail events say nothing about this window's own activation, and taking the
        // FocusOut for a deactivation would end the drag that very click began.
        if (a_event.xfocus.detail == NotifyPointer)
            return;
        event.type = NativeEventType::activated;
        break;
    case FocusOut:
        if (a_event.xfocus.detail == NotifyPointer)
            return;
        m_held_keys.clear(); // their releases go elsewhere now
        event.type = NativeEventType::deactivated;
        break;
    case ClientMessage:
        if (a_event.xclient.message_type != atom(Atom_WM_PROTOCOLS) ||
            Atom(a_event.xclient.data.l[0]) != atom(Atom_WM_DELETE_WINDOW))
            return;
        event.type = NativeEventType::close_request;
        break;
    default:
        return;
    }
    window.get_client().handle_native_event(event);
}

void X11Platform::p_dispatch_button(X11Window& a_window, const XButtonEvent& a_event,
                                    bool a_press) {
    NativeEvent event;
    event.x = a_event.x;
    event.y = a_event.y;
    if (a_event.button == Button4 || a_event.button == Button5) {
        if (!a_press)
            return;
        event.type = NativeEventType::wheel;
        event.wheel_delta = a_event.button == Button4 ? 120 : -120;
        a_window.get_client().handle_native_event(event);
        return;
    }
    // X numbers left, middle, right 1, 2, 3; the toolkit 1, 4, 2. Side buttons (8, 9) become 8, 16.
    switch (a_event.button) {
    case Button1:
        event.button = 1;
        break;
    case Button2:
        event.button = 4;
        break;
    case Button3:
        event.button = 2;
        break;
    case 8:
        event.button = 8;
        break;
    case 9:
        event.button = 16;
        break;
    default:
        return;
    }
    event.type = a_press ? NativeEventType::button_down : NativeEventType::button_up;
    if (a_press && !a_window.is_top_level()) {
        // No window manager gives an embedded window the keyboard: a click into it takes it, as
        // users expect of a plug-in's text fields.
        X11ErrorTrap trap(m_display);
        XSetInputFocus(m_display, ::Window(a_window.get_id()), RevertToParent, a_event.time);
    }
    if (a_press) {
        const bool close_in_time = a_event.time - m_last_press_time <= double_click_time;
        const bool close_by = std::abs(a_event.x - m_last_press_x) <= double_click_distance &&
                              std::abs(a_event.y - m_last_press_y) <= double_click_distance;
        event.double_click =
            !m_last_was_double && event.button == int(m_last_button) && close_in_time && close_by;
        m_last_was_double = event.double_click;
        m_last_button = unsigned(event.button);
        m_last_press_time = a_event.time;
        m_last_press_x = a_event.x;
        m_last_press_y = a_event.y;
    }
    a_window.get_client().handle_native_event(event);
}

void X11Platform::p_dispatch_key(X11Window& a_window, XKeyEvent& a_event, bool a_press) {
    // Auto-repeat arrives as a release and a press with the same time: the pair is one repeat.
    if (!a_press && XEventsQueued(m_display, QueuedAfterReading) > 0) {
        XEvent next;
        XPeekEvent(m_display, &next);
        if (next.type == KeyPress && next.xkey.time == a_event.time &&
            next.xkey.keycode == a_event.keycode) {
            XNextEvent(m_display, &next);
            p_dispatch_key(a_window, next.xkey, true);
            return;
        }
    }
    NativeEvent event;
    event.type = a_press ? NativeEventType::key_down : NativeEventType::key_up;
    event.virtual_key = virtual_key_of_keysym(XLookupKeysym(&a_event, 0));
    // The state of this event, not of the keyboard now: a shortcut typed quickly still matches.
    event.modifiers = (a_event.state & Mod1Mask ? 1u : 0u) |
                      (a_event.state & ControlMask ? 2u : 0u) |
                      (a_event.state & ShiftMask ? 4u : 0u);
    if (!a_press)
        m_held_keys.erase(a_event.keycode);
    if (a_press) {
        event.repeat = !m_held_keys.insert(a_event.keycode).second;
        KeySym typed = NoSymbol;
        char buffer[16];
        XLookupString(&a_event, buffer, sizeof buffer, &typed, nullptr);
        const char32_t character = character_of_keysym(typed);
        if (character && !(a_event.state & (ControlMask | Mod1Mask)))
            event.text = utf16_of(character);
    }
    a_window.get_client().handle_native_event(event);
}

Size X11Platform::get_screen_size() {
    Display* display = get_display();
    if (!display)
        return {1280, 800};
    return {DisplayWidth(display, DefaultScreen(display)),
            DisplayHeight(display, DefaultScreen(display))};
}

std::optional<Rect> X11Platform::get_pointer_position() {
    Display* display = get_display();
    if (!display)
        return std::nullopt;
    X11ErrorTrap trap(display);
    ::Window root = 0, child = 0;
    int x = 0, y = 0, window_x = 0, window_y = 0;
    unsigned mask = 0;
    if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &window_x,
                       &window_y, &mask))
        return std::nullopt;
    return Rect{x, y, 0, 0};
}

::Window X11Platform::p_selection_window() {
    if (!m_selection_window && m_display)
        m_selection_window =
            XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), -10, -10, 1, 1, 0, 0, 0);
    return m_selection_window;
}

bool X11Platform::set_clipboard_text(std::u16string_view a_text) {
    Display* display = get_display();
    if (!display)
        return false;
    X11ErrorTrap trap(display);
    const ::Window owner = p_selection_window();
    XSetSelectionOwner(display, atom(Atom_CLIPBOARD), owner, CurrentTime);
    if (XGetSelectionOwner(display, atom(Atom_CLIPBOARD)) != owner)
        return false;
    m_clipboard_text = a_text;
    return true;
}

void X11Platform::p_answer_selection_request(const XSelectionRequestEvent& a_request) {
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.display = a_request.display;
    reply.requestor = a_request.requestor;
    reply.selection = a_request.selection;
    reply.target = a_request.target;
    reply.time = a_request.time;
    reply.property = None;
    const Atom property = a_request.property != None ? a_request.property : a_request.target;
    if (a_request.target == atom(Atom_TARGETS)) {
        const Atom targets[] = {atom(Atom_TARGETS), atom(Atom_UTF8_STRING), XA_STRING};
        XChangeProperty(m_display, a_request.requestor, property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(targets), 3);
        reply.property = property;
    } else if (a_request.target == atom(Atom_UTF8_STRING) || a_request.target == XA_STRING) {
        const std::string utf8 = Orvo::utf16_to_utf8_lossy(m_clipboard_text);
        XChangeProperty(m_display, a_request.requestor, property, a_request.target, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(utf8.data()),
                        int(utf8.size()));
        reply.property = property;
    }
    XSendEvent(m_display, a_request.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
}

std::optional<std::u16string> X11Platform::get_clipboard_text() {
    Display* display = get_display();
    if (!display)
        return std::nullopt;
    X11ErrorTrap trap(display);
    const ::Window requestor = p_selection_window();
    const ::Window owner = XGetSelectionOwner(display, atom(Atom_CLIPBOARD));
    if (owner == None)
        return std::nullopt;
    if (owner == requestor)
        return m_clipboard_text;
    XConvertSelection(display, atom(Atom_CLIPBOARD), atom(Atom_UTF8_STRING),
                      atom(Atom_VEXA_SELECTION), requestor, CurrentTime);
    XFlush(display);
    // The owner answers through the server; give it a second, serving nothing else meanwhile.
    const std::uint64_t give_up = get_time() + 1000;
    XEvent event;
    while (!XCheckTypedWindowEvent(display, requestor, SelectionNotify, &event)) {
        if (get_time() >= give_up)
            return std::nullopt;
        pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
        poll(&descriptor, 1, 20);
    }
    if (event.xselection.property == None)
        return std::nullopt;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, requestor, atom(Atom_VEXA_SELECTION), 0, 1 << 24, True,
                       AnyPropertyType, &type, &format, &count, &remaining, &data);
    std::optional<std::u16string> text;
    if (data && format == 8)
        text = std::u16string(
            Orvo::utf8_to_utf16_lossy(std::string_view(reinterpret_cast<const char*>(data), count))
                .view());
    if (data)
        XFree(data);
    return text;
}

} // namespace Vexa
