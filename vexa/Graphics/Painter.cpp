#include "vexa/Graphics/Painter.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/Utf.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Vexa {

namespace {

void set_source(cairo_t* a_cairo, cairo_pattern_t* a_pattern) {
    cairo_set_source(a_cairo, a_pattern);
}

// Text is always drawn smoothed and unhinted, so that every machine with the same fonts gives the
// same pixels.
void select_font(cairo_t* a_cairo, const GdiPlus_Font& a_font) {
    cairo_set_font_face(a_cairo, a_font.get_native());
    cairo_set_font_size(a_cairo, a_font.get_pixel_size());
    CairoHandle<cairo_font_options_t, cairo_font_options_destroy> options(
        cairo_font_options_create());
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(a_cairo, options.get());
}

double text_advance(cairo_t* a_cairo, const std::string& a_utf8) {
    cairo_text_extents_t extents;
    cairo_text_extents(a_cairo, a_utf8.c_str(), &extents);
    return extents.x_advance;
}

// Drops whole characters (code points) from the end until the text fits the width.
std::string trim_to_width(cairo_t* a_cairo, std::string a_utf8, double a_width) {
    while (!a_utf8.empty() && text_advance(a_cairo, a_utf8) > a_width + 0.001) {
        std::size_t end = a_utf8.size() - 1;
        while (end > 0 && (static_cast<unsigned char>(a_utf8[end]) & 0xC0) == 0x80)
            --end;
        a_utf8.resize(end);
    }
    return a_utf8;
}

// One scratch context for measuring: measuring needs no target pixels.
cairo_t* measuring_context() {
    thread_local CairoHandle<cairo_surface_t, cairo_surface_destroy> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1));
    thread_local CairoHandle<cairo_t, cairo_destroy> context(cairo_create(surface.get()));
    return context.get();
}

} // namespace

Painter::Painter(const Bitmap& a_bitmap, bool a_anti_alias)
    : GdiPlus_PainterBase(a_bitmap, a_anti_alias), m_affines(1) {
    p_apply_top();
}

void Painter::begin_region(int a_x, int a_y, int a_width, int a_height) {
    cairo_t* cairo = get_native();
    cairo_identity_matrix(cairo);
    cairo_reset_clip(cairo);
    cairo_rectangle(cairo, a_x, a_y, a_width < 0 ? 0 : a_width, a_height < 0 ? 0 : a_height);
    cairo_clip(cairo);
    m_affines.assign(1, Affine::translation(float(a_x), float(a_y)));
    p_apply_top();
}

void Painter::clip_to(const Rect& a_rect) {
    cairo_t* cairo = get_native();
    cairo_identity_matrix(cairo);
    cairo_rectangle(cairo, a_rect.x, a_rect.y, std::max(a_rect.width, 0),
                    std::max(a_rect.height, 0));
    cairo_clip(cairo);
    p_apply_top();
}

void Painter::push() {
    m_affines.push_back(m_affines.back());
}

void Painter::translate(float a_dx, float a_dy) {
    m_affines.back().translate(a_dx, a_dy);
    p_apply_top();
}

void Painter::rotate(float a_angle) {
    m_affines.back().rotate(a_angle);
    p_apply_top();
}

void Painter::pop() {
    // The region's own entry stays; the check names the stack's size as the failed condition.
    if (m_affines.size() <= 1)
        Orvo::assertion_failed("m_affines.size()", __FILE__, __PRETTY_FUNCTION__, __LINE__);
    m_affines.pop_back();
    p_apply_top();
}

void Painter::p_apply_top() {
    const Affine& top = m_affines.back();
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, top.a, top.b, top.c, top.d, top.e, top.f);
    cairo_set_matrix(get_native(), &matrix);
    p_record_status();
}

void Painter::fill_rectangle(const Rect& a_rect, const GdiPlus_Brush& a_brush) {
    if (a_brush.is_null() || a_rect.is_empty())
        return;
    cairo_t* cairo = get_native();
    cairo_rectangle(cairo, a_rect.x, a_rect.y, a_rect.width, a_rect.height);
    set_source(cairo, a_brush.get_native());
    cairo_fill(cairo);
    p_record_status();
}

void Painter::fill_and_stroke_rectangle(int a_x, int a_y, int a_width, int a_height,
                                        const GdiPlus_Pen& a_pen, const GdiPlus_Brush& a_brush) {
    fill_rectangle({a_x, a_y, a_width, a_height}, a_brush);
    if (a_pen.is_null())
        return;
    if (a_pen.get_width() < 2)
        p_stroke_rectangle(a_x, a_y, a_width - 1, a_height - 1, a_pen);
    else
        p_stroke_rectangle(a_x, a_y, a_width, a_height, a_pen);
}

// An outline pen of width 1 is centred on the pixel row and column of the rectangle's edges, so the
// outline of (x, y, w, h) covers pixels x .. x + w. A wider pen lies inside the rectangle.
void Painter::p_stroke_rectangle(int a_x, int a_y, int a_width, int a_height,
                                 const GdiPlus_Pen& a_pen) {
    if (a_width < 0 || a_height < 0)
        return;
    cairo_t* cairo = get_native();
    const int width = a_pen.get_stroke_width();
    set_source(cairo, a_pen.get_native());
    if (width == 1) {
        cairo_set_line_width(cairo, 1.0);
        cairo_set_line_join(cairo, CAIRO_LINE_JOIN_MITER);
        cairo_rectangle(cairo, a_x + 0.5, a_y + 0.5, a_width, a_height);
        cairo_stroke(cairo);
    } else if (a_width <= 2 * width || a_height <= 2 * width) {
        // The inset outline closes up: the whole rectangle is pen.
        cairo_rectangle(cairo, a_x, a_y, a_width, a_height);
        cairo_fill(cairo);
    } else {
        const double half = width / 2.0;
        cairo_set_line_width(cairo, width);
        cairo_set_line_join(cairo, CAIRO_LINE_JOIN_MITER);
        cairo_rectangle(cairo, a_x + half, a_y + half, a_width - width, a_height - width);
        cairo_stroke(cairo);
    }
    p_record_status();
}

void Painter::draw_line(int a_x1, int a_y1, int a_x2, int a_y2, const GdiPlus_Pen& a_pen) {
    if (a_pen.is_null())
        return;
    cairo_t* cairo = get_native();
    const int width = a_pen.get_stroke_width();
    // Odd widths are centred on pixel centres, even widths on pixel edges.
    const double offset = width % 2 ? 0.5 : 0.0;
    const bool straight = a_x1 == a_x2 || a_y1 == a_y2;
    set_source(cairo, a_pen.get_native());
    cairo_set_line_width(cairo, width);
    // Square caps reach half a pixel past each end, so both end pixels are drawn.
    cairo_set_line_cap(cairo, straight ? CAIRO_LINE_CAP_SQUARE : CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cairo, a_x1 + offset, a_y1 + offset);
    cairo_line_to(cairo, a_x2 + offset, a_y2 + offset);
    cairo_stroke(cairo);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_BUTT);
    p_record_status();
}

void Painter::draw_arrow(int a_direction, int a_box_width, int a_box_height, float a_length,
                         float a_breadth, float a_offset, const GdiPlus_Brush& a_brush,
                         const GdiPlus_Pen& a_pen, int a_box_x, int a_box_y) {
    push();
    translate(a_box_x + a_box_width / 2.0f, a_box_y + a_box_height / 2.0f);
    constexpr float pi = std::numbers::pi_v<float>;
    switch (a_direction) {
    case ArrowDirection_DOWN:
        rotate(pi / 2.0f);
        break;
    case ArrowDirection_LEFT:
        rotate(pi);
        break;
    case ArrowDirection_UP:
        rotate(-pi / 2.0f);
        break;
    default:
        break;
    }
    cairo_t* cairo = get_native();
    auto trace = [&] {
        cairo_move_to(cairo, a_length - a_offset, 0.0);
        cairo_line_to(cairo, -a_offset, -a_breadth / 2.0);
        cairo_line_to(cairo, -a_offset, a_breadth / 2.0);
        cairo_close_path(cairo);
    };
    if (!a_brush.is_null()) {
        trace();
        set_source(cairo, a_brush.get_native());
        cairo_fill(cairo);
    }
    if (!a_pen.is_null()) {
        trace();
        set_source(cairo, a_pen.get_native());
        cairo_set_line_width(cairo, a_pen.get_stroke_width());
        cairo_set_line_join(cairo, CAIRO_LINE_JOIN_MITER);
        cairo_stroke(cairo);
    }
    p_record_status();
    pop();
}

void Painter::draw_text(std::u16string_view a_text, int a_x, int a_y, int a_width, int a_height,
                        int a_horizontal_alignment, int a_vertical_alignment,
                        const GdiPlus_Font& a_font, GdiPlus_Color a_color) {
    if (a_font.is_null() || a_text.empty() || a_width <= 0 || a_height <= 0)
        return;
    cairo_t* cairo = get_native();
    cairo_save(cairo);
    select_font(cairo, a_font);
    cairo_rectangle(cairo, a_x, a_y, a_width, a_height);
    cairo_clip(cairo);
    const std::string text = trim_to_width(cairo, Orvo::utf16_to_utf8_lossy(a_text), a_width);
    cairo_font_extents_t font;
    cairo_font_extents(cairo, &font);
    const double width = text_advance(cairo, text);
    const double line = font.ascent + font.descent;
    double left = a_x + (a_width - width) / 2.0;
    if (a_horizontal_alignment == TextAlignment_LEFT)
        left = a_x;
    else if (a_horizontal_alignment == TextAlignment_RIGHT)
        left = a_x + a_width - width;
    double top = a_y + (a_height - line) / 2.0;
    if (a_vertical_alignment == TextAlignment_TOP)
        top = a_y;
    else if (a_vertical_alignment == TextAlignment_BOTTOM)
        top = a_y + a_height - line;
    m_text_brush = GdiPlus_Brush(a_color);
    set_source(cairo, m_text_brush.get_native());
    cairo_move_to(cairo, std::round(left), std::round(top + font.ascent));
    cairo_show_text(cairo, text.c_str());
    p_record_status();
    cairo_restore(cairo);
}

Size Painter::measure_text(std::u16string_view a_text, const GdiPlus_Font& a_font) {
    if (a_font.is_null())
        return {};
    cairo_t* cairo = measuring_context();
    select_font(cairo, a_font);
    cairo_font_extents_t font;
    cairo_font_extents(cairo, &font);
    const double width = text_advance(cairo, Orvo::utf16_to_utf8_lossy(a_text));
    return {int(std::ceil(width - 1e-6)), int(std::ceil(font.ascent + font.descent - 1e-6))};
}

void Painter::draw_image(const Bitmap& a_image, int a_x, int a_y) {
    draw_image(a_image, a_x, a_y, {0, 0, a_image.get_width(), a_image.get_height()});
}

void Painter::draw_image(const Bitmap& a_image, int a_x, int a_y, const Rect& a_source) {
    if (a_image.is_null() || a_source.is_empty())
        return;
    cairo_t* cairo = get_native();
    cairo_set_source_surface(cairo, a_image.get_native(), a_x - a_source.x, a_y - a_source.y);
    cairo_rectangle(cairo, a_x, a_y, a_source.width, a_source.height);
    cairo_fill(cairo);
    p_record_status();
}

} // namespace Vexa
