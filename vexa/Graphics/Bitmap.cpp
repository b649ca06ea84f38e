#include "vexa/Graphics/Bitmap.h"

#include "vexa/Graphics/CairoHandle.h"

#include <cairo.h>

namespace Vexa {

Bitmap::Bitmap(int a_width, int a_height) {
    resize(a_width, a_height);
}

void Bitmap::resize(int a_width, int a_height) {
    if (a_width == m_width && a_height == m_height)
        return;
    m_surface.reset();
    m_width = a_width;
    m_height = a_height;
    if (a_width < 1 || a_height < 1)
        return;
    m_surface = make_shared_cairo<cairo_surface_t, cairo_surface_destroy>(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, a_width, a_height));
}

void Bitmap::resize_rounded(int a_width, int a_height) {
    resize(round_up_to_block(a_width), round_up_to_block(a_height));
}

GdiPlus_Color Bitmap::get_pixel(int a_x, int a_y) const {
    if (!m_surface || a_x < 0 || a_y < 0 || a_x >= m_width || a_y >= m_height)
        return GdiPlus_Color(0);
    cairo_surface_flush(m_surface.get());
    const unsigned char* data = cairo_image_surface_get_data(m_surface.get());
    const int stride = cairo_image_surface_get_stride(m_surface.get());
    const auto premultiplied =
        *reinterpret_cast<const std::uint32_t*>(data + a_y * stride + a_x * 4);
    const unsigned alpha = premultiplied >> 24;
    if (alpha == 0)
        return GdiPlus_Color(0);
    auto unpremultiply = [alpha](std::uint32_t a_component) {
        return (a_component * 255 + alpha / 2) / alpha;
    };
    return GdiPlus_Color(alpha << 24 | unpremultiply((premultiplied >> 16) & 0xFF) << 16 |
                         unpremultiply((premultiplied >> 8) & 0xFF) << 8 |
                         unpremultiply(premultiplied & 0xFF));
}

bool Bitmap::write_png(const char* a_path) const {
    return m_surface && cairo_surface_write_to_png(m_surface.get(), a_path) == CAIRO_STATUS_SUCCESS;
}

} // namespace Vexa
