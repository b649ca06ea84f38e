#include "vexa/Graphics/GdiPlus_Brush.h"

#include "vexa/Graphics/CairoHandle.h"

#include <cairo.h>

namespace Vexa {

namespace {

// Cairo takes straight (not premultiplied) components for a source colour.
cairo_pattern_t* create_solid(GdiPlus_Color a_color) {
    return cairo_pattern_create_rgba(a_color.get_red() / 255.0, a_color.get_green() / 255.0,
                                     a_color.get_blue() / 255.0, a_color.get_alpha() / 255.0);
}

} // namespace

GdiPlus_Brush::GdiPlus_Brush(GdiPlus_Color a_color)
    : m_color(a_color),
      m_pattern(make_shared_cairo<cairo_pattern_t, cairo_pattern_destroy>(create_solid(a_color))) {}

} // namespace Vexa
