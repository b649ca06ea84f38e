#pragma once
// A shared pen: a colour, a whole-pixel width (0 draws one-pixel lines) and the native pattern.
// Pens are inset: a rectangle outline of width 2 or more lies inside the rectangle. A null pen
// strokes nothing.

#include "vexa/Graphics/GdiPlus_Brush.h"

namespace Vexa {

class GdiPlus_Pen {
public:
    GdiPlus_Pen() noexcept = default;
    GdiPlus_Pen(GdiPlus_Color a_color, int a_width);

    bool is_null() const noexcept { return m_brush.is_null(); }
    GdiPlus_Color get_color() const noexcept { return m_brush.get_color(); }
    int get_width() const noexcept { return m_width; }
    // The width actually stroked: a width of 0 still draws one pixel.
    int get_stroke_width() const noexcept { return m_width < 1 ? 1 : m_width; }
    cairo_pattern_t* get_native() const noexcept { return m_brush.get_native(); }

private:
    GdiPlus_Brush m_brush;
    int m_width = 0;
};

} // namespace Vexa
