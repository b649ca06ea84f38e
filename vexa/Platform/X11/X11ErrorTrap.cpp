#include "vexa/Platform/X11/X11ErrorTrap.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace Vexa {

namespace {

// Installing and restoring the handler must not interleave between threads (two editors driven
// from two host threads); the lock is recursive because traps nest.
std::recursive_mutex s_lock;
int s_depth = 0;
XErrorHandler s_previous = nullptr;
std::vector<Display*> s_displays;
unsigned long s_errors = 0;

} // namespace

X11ErrorTrap::X11ErrorTrap(Display* a_display) : m_display(a_display) {
    s_lock.lock();
    if (s_depth++ == 0)
        s_previous = XSetErrorHandler(&X11ErrorTrap::p_handle);
    m_errors_at_start = s_errors;
}

X11ErrorTrap::~X11ErrorTrap() {
    if (m_display)
        XSync(m_display, False);
    if (--s_depth == 0) {
        XSetErrorHandler(s_previous);
        s_previous = nullptr;
    }
    s_lock.unlock();
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
    std::lock_guard guard(s_lock);
    return s_errors;
}

int X11ErrorTrap::p_handle(Display* a_display, XErrorEvent* a_error) {
    if (std::find(s_displays.begin(), s_displays.end(), a_display) != s_displays.end()) {
        ++s_errors;
        return 0;
    }
    return s_previous ? s_previous(a_display, a_error) : 0;
}

} // namespace Vexa
