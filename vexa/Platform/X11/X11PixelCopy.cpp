#include "vexa/Platform/X11/X11PixelCopy.h"

#include <X11/Xutil.h>
#include <cairo.h>

#include <bit>
#include <cstdint>
#include <cstdlib>

namespace Vexa {

namespace {

// A component of 8 bits placed under a colour mask of any width.
unsigned long place(std::uint32_t a_component, unsigned long a_mask) {
    if (!a_mask)
        return 0;
    const int shift = std::countr_zero(a_mask);
    const int bits = std::popcount(a_mask);
    const unsigned long value = bits >= 8 ? a_component << (bits - 8) : a_component >> (8 - bits);
    return (value << shift) & a_mask;
}

} // namespace

X11PixelCopy::X11PixelCopy(Display* a_display, ::Window a_window)
    : m_display(a_display), m_window(a_window) {
    // A window inherits its parent's visual, which need not be the screen's default one.
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(a_display, a_window, &attributes))
        return;
    m_visual = attributes.visual;
    m_depth = attributes.depth;
    m_gc = XCreateGC(a_display, a_window, 0, nullptr);
    m_direct = (m_depth == 24 || m_depth == 32) && m_visual->red_mask == 0xFF0000 &&
               m_visual->green_mask == 0xFF00 && m_visual->blue_mask == 0xFF;
}

X11PixelCopy::~X11PixelCopy() {
    if (m_gc)
        XFreeGC(m_display, m_gc);
}

void X11PixelCopy::copy(const Bitmap& a_bitmap, const Rect& a_rect) {
    const Rect area = a_rect.intersected({0, 0, a_bitmap.get_width(), a_bitmap.get_height()});
    if (!m_gc || area.is_empty())
        return;
    cairo_surface_t* surface = a_bitmap.get_native();
    cairo_surface_flush(surface);
    auto* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    if (!m_direct) {
        p_copy_converted(data, stride, area);
        return;
    }
    XImage* image = XCreateImage(m_display, m_visual, unsigned(m_depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(data), unsigned(a_bitmap.get_width()),
                                 unsigned(a_bitmap.get_height()), 32, stride);
    if (!image)
        return;
    if (image->bits_per_pixel == 32) {
        // The pixels are 32-bit words in this machine's order; Xlib swaps them if the server's
        // order differs.
        image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
        XPutImage(m_display, m_window, m_gc, image, area.x, area.y, area.x, area.y,
                  unsigned(area.width), unsigned(area.height));
    }
    image->data = nullptr; // the bitmap's pixels are not Xlib's to free
    const bool sent = image->bits_per_pixel == 32;
    XDestroyImage(image);
    if (!sent)
        p_copy_converted(data, stride, area);
}

void X11PixelCopy::p_copy_converted(const unsigned char* a_data, int a_stride, const Rect& a_rect) {
    XImage* image = XCreateImage(m_display, m_visual, unsigned(m_depth), ZPixmap, 0, nullptr,
                                 unsigned(a_rect.width), unsigned(a_rect.height), 32, 0);
    if (!image)
        return;
    image->data = static_cast<char*>(
        std::malloc(std::size_t(image->bytes_per_line) * unsigned(a_rect.height)));
    if (!image->data) {
        XDestroyImage(image);
        return;
    }
    for (int y = 0; y < a_rect.height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(a_data + (a_rect.y + y) * a_stride) + a_rect.x;
        for (int x = 0; x < a_rect.width; ++x) {
            const std::uint32_t argb = row[x];
            XPutPixel(image, x, y,
                      place((argb >> 16) & 0xFF, m_visual->red_mask) |
                          place((argb >> 8) & 0xFF, m_visual->green_mask) |
                          place(argb & 0xFF, m_visual->blue_mask));
        }
    }
    XPutImage(m_display, m_window, m_gc, image, 0, 0, a_rect.x, a_rect.y, unsigned(a_rect.width),
              unsigned(a_rect.height));
    XDestroyImage(image); // frees the pixels too
}

} // namespace Vexa
