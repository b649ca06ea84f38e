#include "vexa/Platform/X11/X11ErrorTrap.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace Vexa {

namespace {

// Only installing and restoring are locked, never the span between: a modal loop inside a trap
// must not stall another editor's thread. The handler stays while any trap of any thread is open.
std::mutex s_lock;
int s_depth = 0;
XErrorHandler s_previous = nullptr;
std::vector<Display*> s_displays;
std::atomic<unsigned long> s_errors{0};

} // namespace

X11ErrorTrap::X11ErrorTrap(Display* a_display) : m_display(a_display) {
    std::lock_guard guard(s_lock);
    if (s_depth++ == 0)
        s_previous = XSetErrorHandler(&X11ErrorTrap::p_handle);
    m_errors_at_start = s_errors;
}

X11ErrorTrap::~X11ErrorTrap() {
    if (m_display)
        XSync(m_display, False);
    std::lock_guard guard(s_lock);
    if (--s_depth > 0)
        return;
    const XErrorHandler current = XSetErrorHandler(s_previous);
    // The host put a handler of its own in the meantime: that one stays.
    if (current != &X11ErrorTrap::p_handle)
        XSetErrorHandler(current);
    s_previous = nullptr;
}

bool X11ErrorTrap::sync_and_check() {
    if (m_display)
        XSync(m_display, False);
    return s_errors != m_errors_at_start;
}

void X11ErrorTrap::register_display(Display* a_display) {
    std::lock_guard guard(s_lock);
    s_displays.push_back(a_display);
}

void X11ErrorTrap::unregister_display(Display* a_display) {
    std::lock_guard guard(s_lock);
    std::erase(s_displays, a_display);
}

unsigned long X11ErrorTrap::get_error_count() {
    return s_errors;
}

// Xlib calls this with its own connection lock held, never from inside our install or restore.
int X11ErrorTrap::p_handle(Display* a_display, XErrorEvent* a_error) {
    XErrorHandler previous = nullptr;
    {
        std::lock_guard guard(s_lock);
        if (std::find(s_displays.begin(), s_displays.end(), a_display) != s_displays.end()) {
            ++s_errors;
            return 0;
        }
        previous = s_previous;
    }
    return previous ? previous(a_display, a_error) : 0;
}

} // namespace Vexa
