#pragma once
// The drawing context of a painter: a Cairo context on a bitmap, the anti-alias flag (off by
// default, so shapes land on whole pixels), the last native status and the brush used for text.
// Native failures are recorded in the last status, never thrown: drawing goes on.

#include "vexa/Graphics/Bitmap.h"
#include "vexa/Graphics/CairoHandle.h"
#include "vexa/Graphics/GdiPlus_Brush.h"

#include <cairo.h>

namespace Vexa {

class GdiPlus_PainterBase {
public:
    explicit GdiPlus_PainterBase(const Bitmap& a_bitmap, bool a_anti_alias = false);
    GdiPlus_PainterBase(const GdiPlus_PainterBase&) = delete;
    GdiPlus_PainterBase& operator=(const GdiPlus_PainterBase&) = delete;
    ~GdiPlus_PainterBase();

    bool get_anti_alias() const noexcept { return m_anti_alias; }
    // High-quality smoothing on or off for the shapes that follow.
    void set_smoothing(bool a_high_quality);
    // Back to the painter's own setting: high quality when the anti-alias flag is set, else none.
    void restore_smoothing() { set_smoothing(m_anti_alias); }

    int get_last_status() const noexcept { return m_last_status; }
    cairo_t* get_native() const noexcept { return m_graphics.get(); }

protected:
    void p_record_status();

    Bitmap m_bitmap;
    CairoHandle<cairo_t, cairo_destroy> m_graphics;
    bool m_anti_alias;
    int m_last_status = 0;
    GdiPlus_Brush m_text_brush;
};

// Anti-aliased strokes for one drawing helper (a cross, an arrow), then the painter's own setting.
class SmoothingScope {
public:
    explicit SmoothingScope(GdiPlus_PainterBase& a_painter) : m_painter(a_painter) {
        m_painter.set_smoothing(true);
    }
    ~SmoothingScope() { m_painter.restore_smoothing(); }
    SmoothingScope(const SmoothingScope&) = delete;
    SmoothingScope& operator=(const SmoothingScope&) = delete;

private:
    GdiPlus_PainterBase& m_painter;
};

} // namespace Vexa
