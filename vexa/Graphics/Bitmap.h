#pragma once
// An off-screen 32-bit premultiplied ARGB image that painters draw into. Copies share the pixels.
// A bitmap narrower or lower than one pixel has no native surface.

#include "vexa/Graphics/GdiPlus_Color.h"

#include <cstdint>
#include <memory>

typedef struct _cairo_surface cairo_surface_t;

namespace Vexa {

class Bitmap {
public:
    Bitmap() noexcept = default;
    Bitmap(int a_width, int a_height);

    // Nothing happens when the size is unchanged; otherwise new (transparent) pixels replace the
    // old ones.
    void resize(int a_width, int a_height);
    // For back buffers: the size is rounded up to a multiple of 256 in each direction, so that
    // small window resizes do not reallocate.
    void resize_rounded(int a_width, int a_height);

    int get_width() const noexcept { return m_width; }
    int get_height() const noexcept { return m_height; }
    bool is_null() const noexcept { return !m_surface; }
    cairo_surface_t* get_native() const noexcept { return m_surface.get(); }

    // The pixel as straight (not premultiplied) ARGB; 0 outside the bitmap. For tests and
    // screenshots; flushes pending drawing first.
    GdiPlus_Color get_pixel(int a_x, int a_y) const;
    // Writes the bitmap as a PNG file; false when that fails.
    bool write_png(const char* a_path) const;

    static int round_up_to_block(int a_size) noexcept { return (a_size + 255) / 256 * 256; }

private:
    std::shared_ptr<cairo_surface_t> m_surface;
    int m_width = 0;
    int m_height = 0;
};

} // namespace Vexa
