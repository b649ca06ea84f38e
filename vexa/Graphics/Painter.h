#pragma once
// Everything the toolkit draws goes through a painter bound to an off-screen bitmap. Coordinates
// are whole pixels: with anti-aliasing off (the default) a one-pixel pen at x covers exactly the
// pixel column x, so outlines, bevels and fills meet without gaps or overlaps.
//
// A widget paints inside a region: begin_region puts (0, 0) at the region's top-left corner and
// clips to it. Transforms are a stack on top of the region's translation.
// [ui-thread] A painter and its bitmap belong to one thread at a time.

#include "vexa/Graphics/Affine.h"
#include "vexa/Graphics/GdiPlus_Font.h"
#include "vexa/Graphics/GdiPlus_PainterBase.h"
#include "vexa/Graphics/GdiPlus_Pen.h"
#include "vexa/Graphics/Geometry.h"

#include <string_view>
#include <vector>

namespace Vexa {

enum ArrowDirection {
    ArrowDirection_DOWN = 0,
    ArrowDirection_LEFT = 1,
    ArrowDirection_RIGHT = 2,
    ArrowDirection_UP = 3
};

// Text alignment values as style sheets give them.
enum TextAlignment {
    TextAlignment_LEFT = 1,
    TextAlignment_CENTER = 2,
    TextAlignment_RIGHT = 4,
    TextAlignment_TOP = 8,
    TextAlignment_MIDDLE = 16,
    TextAlignment_BOTTOM = 32,
};

class Painter : public GdiPlus_PainterBase {
public:
    explicit Painter(const Bitmap& a_bitmap, bool a_anti_alias = false);

    // Identity transform, clip set to the region, and the region's corner as the new origin.
    void begin_region(int a_x, int a_y, int a_width, int a_height);
    void begin_region(const Rect& a_rect) {
        begin_region(a_rect.x, a_rect.y, a_rect.width, a_rect.height);
    }

    // Narrows the clip to a rectangle given in bitmap coordinates; the transform stays.
    void clip_to(const Rect& a_rect);

    void push();
    void translate(float a_dx, float a_dy);
    void rotate(float a_angle);
    // Fails `m_affines.size()` when only the region's own entry is left.
    void pop();
    std::size_t get_depth() const noexcept { return m_affines.size(); }

    // Fills with the brush, then outlines with the pen (each only when not null). A pen of width
    // 0 or 1 outlines (x, y, w - 1, h - 1), so the outline covers exactly w x h pixels; a wider
    // pen lies inside (x, y, w, h).
    void fill_and_stroke_rectangle(int a_x, int a_y, int a_width, int a_height,
                                   const GdiPlus_Pen& a_pen, const GdiPlus_Brush& a_brush);
    void fill_rectangle(const Rect& a_rect, const GdiPlus_Brush& a_brush);
    // Both end points are drawn.
    void draw_line(int a_x1, int a_y1, int a_x2, int a_y2, const GdiPlus_Pen& a_pen);
    // A triangle centred in the box (x, y, width, height), pointing in the direction, its tip
    // length - offset from the centre and its base breadth wide at -offset.
    void draw_arrow(int a_direction, int a_box_width, int a_box_height, float a_length,
                    float a_breadth, float a_offset, const GdiPlus_Brush& a_brush,
                    const GdiPlus_Pen& a_pen, int a_box_x, int a_box_y);
    // One line of text in the layout rectangle, cut after the last character that fits, never
    // wrapped. Alignments take the TextAlignment values; anything unknown centres.
    void draw_text(std::u16string_view a_text, int a_x, int a_y, int a_width, int a_height,
                   int a_horizontal_alignment, int a_vertical_alignment, const GdiPlus_Font& a_font,
                   GdiPlus_Color a_color);
    // The whole string's width and line height, rounded up to whole pixels.
    static Size measure_text(std::u16string_view a_text, const GdiPlus_Font& a_font);

    void draw_image(const Bitmap& a_image, int a_x, int a_y);
    // The part (source x, y, width, height) of the image, with its top-left corner at (x, y).
    void draw_image(const Bitmap& a_image, int a_x, int a_y, const Rect& a_source);

private:
    void p_apply_top();
    void p_stroke_rectangle(int a_x, int a_y, int a_width, int a_height, const GdiPlus_Pen& a_pen);

    std::vector<Affine> m_affines;
};

} // namespace Vexa
