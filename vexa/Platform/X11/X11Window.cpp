#include "vexa/Platform/X11/X11Window.h"

#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "vexa/Platform/X11/X11ErrorTrap.h"
#include "vexa/Platform/X11/X11Platform.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <poll.h>

namespace Vexa {

namespace {

constexpr long event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            EnterWindowMask | LeaveWindowMask | KeyPressMask | KeyReleaseMask |
                            StructureNotifyMask | FocusChangeMask;

} // namespace

X11Window::X11Window(X11Platform& a_platform, NativeWindowClient& a_client,
                     const NativeWindowOptions& a_options)
    : m_platform(a_platform), m_client(a_client), m_top_level(a_options.foreign_parent == 0) {
    Display* display = a_platform.get_display();
    if (!display)
        throw Orvo::Exception(Orvo::WString(u"Cannot open the X display."));
    X11ErrorTrap trap(display);
    const int screen = DefaultScreen(display);
    const ::Window parent =
        a_options.foreign_parent ? ::Window(a_options.foreign_parent) : RootWindow(display, screen);
    XSetWindowAttributes attributes{};
    attributes.event_mask = event_mask;
    attributes.background_pixmap = None; // the back buffer paints every pixel; no flicker
    attributes.override_redirect = a_options.popup ? True : False;
    attributes.bit_gravity = NorthWestGravity;
    m_window =
        XCreateWindow(display, parent, 0, 0, 1, 1, 0, CopyFromParent, InputOutput, CopyFromParent,
                      CWEventMask | CWBackPixmap | CWOverrideRedirect | CWBitGravity, &attributes);
    if (trap.sync_and_check() || !m_window) {
        if (m_window)
            XDestroyWindow(display, m_window);
        throw Orvo::Exception(Orvo::WString(u"Cannot create a window in the parent window."));
    }
    m_alive = true;
    if (m_top_level) {
        Atom protocols[] = {a_platform.atom(X11Platform::Atom_WM_DELETE_WINDOW)};
        XSetWMProtocols(display, m_window, protocols, 1);
        if (a_options.owner && a_options.owner->get_id())
            XSetTransientForHint(display, m_window, ::Window(a_options.owner->get_id()));
    }
    m_pixels = std::make_unique<X11PixelCopy>(display, m_window);
    a_platform.p_register(m_window, this);
    if (!a_options.title.empty())
        set_title(a_options.title);
}

X11Window::~X11Window() {
    m_platform.p_unregister(m_window, this);
    Display* display = m_platform.get_display();
    X11ErrorTrap trap(display);
    m_pixels.reset();
    if (m_alive && display)
        XDestroyWindow(display, m_window);
}

void X11Window::set_visible(bool a_visible) {
    Display* display = m_platform.get_display();
    if (!m_alive || a_visible == m_mapped)
        return;
    X11ErrorTrap trap(display);
    m_mapped = a_visible;
    if (a_visible)
        XMapRaised(display, m_window);
    else
        XUnmapWindow(display, m_window);
}

void X11Window::set_title(std::u16string_view a_title) {
    if (!m_alive)
        return;
    Display* display = m_platform.get_display();
    X11ErrorTrap trap(display);
    const std::string utf8 = Orvo::utf16_to_utf8_lossy(a_title);
    XChangeProperty(display, m_window, m_platform.atom(X11Platform::Atom_NET_WM_NAME),
                    m_platform.atom(X11Platform::Atom_UTF8_STRING), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()), int(utf8.size()));
    XStoreName(display, m_window, utf8.c_str());
}

void X11Window::set_client_rect(const Rect& a_rect) {
    const Rect rect{a_rect.x, a_rect.y, std::max(a_rect.width, 1), std::max(a_rect.height, 1)};
    m_rect = rect;
    if (!m_alive)
        return;
    Display* display = m_platform.get_display();
    X11ErrorTrap trap(display);
    if (m_top_level) {
        // Tell the window manager that the position is the program's own choice.
        p_set_hints(true);
    }
    XMoveResizeWindow(display, m_window, rect.x, rect.y, unsigned(rect.width),
                      unsigned(rect.height));
}

void X11Window::set_size_limits(Size a_minimum, Size a_maximum) {
    m_minimum = a_minimum;
    m_maximum = a_maximum;
    if (!m_alive || !m_top_level)
        return;
    X11ErrorTrap trap(m_platform.get_display());
    p_set_hints(false);
}

// The position (when the program chose it) and the size limits, for the window manager.
void X11Window::p_set_hints(bool a_placed) {
    XSizeHints hints{};
    hints.flags = PMinSize | PMaxSize | (a_placed ? USPosition | USSize : 0);
    hints.x = m_rect.x;
    hints.y = m_rect.y;
    hints.width = m_rect.width;
    hints.height = m_rect.height;
    hints.min_width = m_minimum.width;
    hints.min_height = m_minimum.height;
    hints.max_width = m_maximum.width;
    hints.max_height = m_maximum.height;
    XSetWMNormalHints(m_platform.get_display(), m_window, &hints);
}

void X11Window::invalidate(const Rect& a_rect) {
    if (!m_alive || !m_mapped)
        return;
    p_copy(m_client.compose(a_rect), a_rect);
}

void X11Window::p_expose(const Rect& a_rect) {
    if (!m_alive)
        return;
    p_copy(m_client.compose(a_rect), a_rect);
}

void X11Window::p_copy(const Bitmap& a_back_buffer, const Rect& a_rect) {
    if (a_back_buffer.is_null() || !m_pixels)
        return;
    X11ErrorTrap trap(m_platform.get_display());
    m_pixels->copy(a_back_buffer, a_rect.intersected({0, 0, m_rect.width, m_rect.height}));
}

void X11Window::p_configured(const Rect& a_rect) {
    const bool resized = a_rect.width != m_rect.width || a_rect.height != m_rect.height;
    m_rect = a_rect;
    if (!resized)
        return;
    NativeEvent event;
    event.type = NativeEventType::resized;
    event.width = a_rect.width;
    event.height = a_rect.height;
    m_client.handle_native_event(event);
}

void X11Window::p_destroyed() noexcept {
    m_alive = false;
    m_mapped = false;
}

// The server keeps the pointer with the window while a button is held (the implicit grab), which is
// the capture the toolkit needs; nothing more is asked of it.
void X11Window::set_capture(bool) {}

void X11Window::set_cursor(MouseCursor a_cursor) {
    if (!m_alive || a_cursor == m_cursor)
        return;
    m_cursor = a_cursor;
    Display* display = m_platform.get_display();
    X11ErrorTrap trap(display);
    if (a_cursor == MouseCursor_DEFAULT)
        XUndefineCursor(display, m_window);
    else
        XDefineCursor(display, m_window, m_platform.cursor(a_cursor));
}

Rect X11Window::map_to_screen(const Rect& a_rect) const {
    Display* display = m_platform.get_display();
    if (!m_alive || !display)
        return NativeWindow::map_to_screen(a_rect);
    X11ErrorTrap trap(display);
    int x = 0, y = 0;
    ::Window child = 0;
    XTranslateCoordinates(display, m_window, DefaultRootWindow(display), a_rect.x, a_rect.y, &x, &y,
                          &child);
    return {x, y, a_rect.width, a_rect.height};
}

// Without owner events, so that a click on another window of ours (the editor under the menu) is
// a click outside the menu, reported here like any other.
bool X11Window::grab_input() {
    Display* display = m_platform.get_display();
    if (!m_alive || !display)
        return false;
    X11ErrorTrap trap(display);
    constexpr unsigned pointer_mask =
        ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask;
    // The button that opened the menu may still be down in another program for a moment.
    for (int attempt = 0; attempt < 25; ++attempt) {
        if (XGrabPointer(display, m_window, False, pointer_mask, GrabModeAsync, GrabModeAsync, None,
                         None, CurrentTime) == GrabSuccess) {
            if (XGrabKeyboard(display, m_window, False, GrabModeAsync, GrabModeAsync,
                              CurrentTime) == GrabSuccess)
                return true;
            XUngrabPointer(display, CurrentTime);
        }
        XSync(display, False);
        poll(nullptr, 0, 20);
    }
    return false;
}

void X11Window::release_input() {
    Display* display = m_platform.get_display();
    if (!display)
        return;
    X11ErrorTrap trap(display);
    XUngrabKeyboard(display, CurrentTime);
    XUngrabPointer(display, CurrentTime);
    XFlush(display);
}

void X11Window::activate() {
    if (!m_alive || !m_mapped || !m_top_level)
        return;
    Display* display = m_platform.get_display();
    X11ErrorTrap trap(display);
    XRaiseWindow(display, m_window);
    XSetInputFocus(display, m_window, RevertToParent, CurrentTime);
}

} // namespace Vexa
