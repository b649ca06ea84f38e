#include "vexa/Graphics/GdiPlus_PainterBase.h"

#include <cairo.h>

namespace Vexa {

namespace {

// A painter on a null bitmap still works (and draws nothing): it gets a context on a 0x0 image.
cairo_surface_t* target_of(const Bitmap& a_bitmap,
                           CairoHandle<cairo_surface_t, cairo_surface_destroy>& a_empty) {
    if (a_bitmap.get_native())
        return a_bitmap.get_native();
    a_empty.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 0, 0));
    return a_empty.get();
}

} // namespace

GdiPlus_PainterBase::GdiPlus_PainterBase(const Bitmap& a_bitmap, bool a_anti_alias)
    : m_bitmap(a_bitmap), m_anti_alias(a_anti_alias), m_text_brush(GdiPlus_Color(0xFF000000)) {
    CairoHandle<cairo_surface_t, cairo_surface_destroy> empty;
    m_graphics.reset(cairo_create(target_of(a_bitmap, empty)));
    restore_smoothing();
    p_record_status();
}

GdiPlus_PainterBase::~GdiPlus_PainterBase() {
    if (m_bitmap.get_native())
        cairo_surface_flush(m_bitmap.get_native());
}

void GdiPlus_PainterBase::set_smoothing(bool a_high_quality) {
    cairo_set_antialias(m_graphics.get(),
                        a_high_quality ? CAIRO_ANTIALIAS_GOOD : CAIRO_ANTIALIAS_NONE);
}

void GdiPlus_PainterBase::p_record_status() {
    const cairo_status_t status = cairo_status(m_graphics.get());
    if (status != CAIRO_STATUS_SUCCESS)
        m_last_status = int(status);
}

} // namespace Vexa
