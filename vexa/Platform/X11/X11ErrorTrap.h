#pragma once
// Xlib reports protocol errors to one process-wide handler whose default exits the process. The
// toolkit lives inside a host that has X connections (and maybe a handler) of its own, so it never
// leaves a handler of its own in place: a trap installs one for the span of the toolkit's own
// requests, syncs so that their errors arrive inside that span, and puts the previous handler
// back. While installed it keeps the errors of the toolkit's connections (a window destroyed under
// us with its foreign parent) and passes every other connection's errors to the previous handler.
// Traps nest; only the outermost installs and restores.

#include <X11/Xlib.h>

namespace Vexa {

class X11ErrorTrap {
public:
    explicit X11ErrorTrap(Display* a_display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Syncs and tells whether a request on the toolkit's connection failed since the trap began.
    bool sync_and_check();

    // The toolkit's connections: their errors are kept, never passed on.
    static void register_display(Display* a_display);
    static void unregister_display(Display* a_display);
    // Errors kept so far (for tests and diagnostics).
    static unsigned long get_error_count();

private:
    static int p_handle(Display* a_display, XErrorEvent* a_error);

    Display* m_display;
    unsigned long m_errors_at_start;
};

} // namespace Vexa
