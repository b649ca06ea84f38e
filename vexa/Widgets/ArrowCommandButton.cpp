#include "vexa/Widgets/ArrowCommandButton.h"

#include "vexa/Widgets/TextMeasure.h"

#include <cmath>

namespace Vexa {

ArrowCommandButton::ArrowCommandButton(ArrowDirection a_direction) : m_direction(a_direction) {}

void ArrowCommandButton::set_direction(ArrowDirection a_direction) {
    if (a_direction == m_direction)
        return;
    m_direction = a_direction;
    request_measure();
    repaint();
}

void ArrowCommandButton::set_arrow_style(const ArrowStyle& a_style) {
    m_arrow = a_style;
    request_measure();
    repaint();
}

void ArrowCommandButton::measure_content(WidgetEvents::OnMeasure& a_event) {
    const int along = int(std::ceil(std::max(0.0f, m_arrow.length)));
    const int across = int(std::ceil(std::max(0.0f, m_arrow.breadth)));
    const bool vertical = m_direction == ArrowDirection_UP || m_direction == ArrowDirection_DOWN;
    TextMeasure::add(a_event, vertical ? Size{across, along} : Size{along, across});
}

void ArrowCommandButton::paint_contents(Painter& a_painter, const Rect& a_contents) {
    const bool plain = m_arrow.brush.is_null() || !is_enabled();
    const GdiPlus_Brush brush = plain ? GdiPlus_Brush(get_text_color()) : m_arrow.brush;
    SmoothingScope smoothing(a_painter);
    a_painter.draw_arrow(m_direction, a_contents.width, a_contents.height, m_arrow.length,
                         m_arrow.breadth, m_arrow.offset, brush,
                         is_enabled() ? m_arrow.pen : GdiPlus_Pen(), a_contents.x, a_contents.y);
}

} // namespace Vexa
