#pragma once
// A shared font: a font face found by family name through fontconfig and a size in pixels. An
// unknown family gives the generic sans-serif family, never a failure; "Arial" and "Courier New"
// name the installed sans-serif and monospace families.

#include <memory>
#include <string>
#include <string_view>

typedef struct _cairo_font_face cairo_font_face_t;

namespace Vexa {

enum FontSizeUnit { FontSizeUnit_PIXEL = 1, FontSizeUnit_POINT = 2 };

class GdiPlus_Font {
public:
    GdiPlus_Font() noexcept = default;
    // Fails with "Invalid font size unit." for a unit other than pixels or points.
    GdiPlus_Font(std::u16string_view a_family, double a_size, int a_unit);

    bool is_null() const noexcept { return !m_data; }
    // The size in pixels (points are converted at 96 pixels per inch).
    double get_pixel_size() const noexcept { return m_data ? m_data->pixel_size : 0.0; }
    // The family that was found, e.g. "DejaVu Sans" for "Arial".
    std::string get_family() const { return m_data ? m_data->family : std::string(); }
    cairo_font_face_t* get_native() const noexcept { return m_data ? m_data->face.get() : nullptr; }

private:
    struct Data {
        std::shared_ptr<cairo_font_face_t> face;
        std::string family;
        double pixel_size = 0.0;
    };
    std::shared_ptr<const Data> m_data;
};

} // namespace Vexa
