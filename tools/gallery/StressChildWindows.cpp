#include "StressChildWindows.h"

#include "orvo/Platform/ResidentMemory.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Platform/X11/X11Platform.h"
#include "vexa/Window/SystemWindow.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>

namespace Gallery {

namespace {

unsigned count_children(Display* a_display, ::Window a_parent) {
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    XSync(a_display, False);
    if (XQueryTree(a_display, a_parent, &root, &parent, &children, &count) && children)
        XFree(children);
    return count;
}

void open_and_close_one(Vexa::Toolkit& a_toolkit, ::Window a_parent) {
    Vexa::SystemWindow window(nullptr, a_parent);
    Vexa::Window content;
    content.set_frame({Vexa::NoBorder(), Vexa::GdiPlus_Brush(Vexa::GdiPlus_Color(0xFF3A6EA5))});
    content.set_geometry(10, 10, 200, 120);
    window.set_client_size(300, 200);
    content.open(window.get_desktop(), Vexa::Modality_MODELESS);
    window.show(Vexa::Modality_MODELESS);
    a_toolkit.idle();
    window.close();
    window.destroy();
}

} // namespace

int stress_child_windows(int a_count) {
    if (a_count < 1) {
        std::fprintf(stderr, "vexa-gallery: the window count must be at least 1\n");
        return 2;
    }
    // The "host": a connection and a window of its own, like a plug-in host's editor frame.
    Display* host = Vexa::X11Platform::open_display();
    if (!host) {
        std::fprintf(stderr, "vexa-gallery: no display (run under xvfb-run)\n");
        return 1;
    }
    const ::Window parent = XCreateSimpleWindow(host, DefaultRootWindow(host), 0, 0, 400, 300, 0, 0,
                                                WhitePixel(host, 0));
    XMapWindow(host, parent);
    XSync(host, False);

    Vexa::Toolkit& toolkit = Vexa::Toolkit::get();
    const int warm_up = std::min(20, std::max(1, a_count / 4));
    long resident_after_warm_up = 0;
    for (int i = 0; i < a_count; ++i) {
        open_and_close_one(toolkit, parent);
        toolkit.idle();
        if (i + 1 == warm_up)
            resident_after_warm_up = Orvo::resident_memory_bytes() / 1024;
    }
    const long growth = Orvo::resident_memory_bytes() / 1024 - resident_after_warm_up;
    const unsigned left = count_children(host, parent);
    std::printf(
        "opened and closed %d child windows: %u X windows left, resident memory growth after a "
        "warm-up of %d: %ld kB\n",
        a_count, left, warm_up, growth);
    std::fflush(stdout);
    XDestroyWindow(host, parent);
    XCloseDisplay(host);
    return left == 0 && (growth < 1024 || !Orvo::resident_memory_is_meaningful) ? 0 : 1;
}

} // namespace Gallery
