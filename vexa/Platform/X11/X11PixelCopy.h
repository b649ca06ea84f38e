#pragma once
// Puts parts of a back buffer (32-bit ARGB, opaque) into an X window with XPutImage. On the usual
// 24- and 32-bit true-colour visuals the buffer's own pixels go out as they are; any other visual
// gets each pixel converted through its colour masks.

#include "vexa/Graphics/Bitmap.h"
#include "vexa/Graphics/Geometry.h"

#include <X11/Xlib.h>

namespace Vexa {

class X11PixelCopy {
public:
    X11PixelCopy(Display* a_display, ::Window a_window);
    ~X11PixelCopy();
    X11PixelCopy(const X11PixelCopy&) = delete;
    X11PixelCopy& operator=(const X11PixelCopy&) = delete;

    // Copies the part of the bitmap under the rectangle to the same place in the window.
    void copy(const Bitmap& a_bitmap, const Rect& a_rect);

private:
    void p_copy_converted(const unsigned char* a_data, int a_stride, const Rect& a_rect);

    Display* m_display;
    ::Window m_window;
    GC m_gc = nullptr;
    Visual* m_visual = nullptr;
    int m_depth = 0;
    bool m_direct = false;
};

} // namespace Vexa
