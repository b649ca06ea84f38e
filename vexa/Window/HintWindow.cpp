#include "vexa/Window/HintWindow.h"

#include "vexa/Graphics/Painter.h"

#include <algorithm>

namespace Vexa {

HintWindow::HintWindow() {
    set_can_be_activated(false);
    // The sheet's window background and text colour replace these once it is applied.
    set_frame({SingleBorder(GdiPlus_Color(0xFF808080), GdiPlus_Color(0xFF404040)),
               GdiPlus_Brush(GdiPlus_Color(0xFFFFFFE1))});
    set_paddings({padding, padding, padding, padding});
    connect(m_on_sizes_changed, this, &HintWindow::p_fit);
}

void HintWindow::set_text(std::u16string a_text, int a_x, int a_y, const Rect& a_area) {
    m_text = std::move(a_text);
    m_x = a_x;
    m_y = a_y;
    m_area = a_area;
    // Sized now from what is known; the measure after the sheet is applied corrects it.
    p_place();
    request_measure();
    repaint();
}

void HintWindow::measure_content(WidgetEvents::OnMeasure& a_event) {
    const Size text = Painter::measure_text(m_text, get_font());
    a_event.minimum.width += text.width;
    a_event.minimum.height += text.height;
    a_event.requested.width += text.width;
    a_event.requested.height += text.height;
}

void HintWindow::p_fit(WidgetEvent&) {
    p_place();
}

void HintWindow::p_place() {
    const Size text = Painter::measure_text(m_text, get_font());
    const Size extras = get_box_extras();
    const int width = text.width + extras.width;
    const int height = text.height + extras.height;
    const int x = std::clamp(m_x, m_area.x, std::max(m_area.x, m_area.right() - width));
    const int y = std::clamp(m_y, m_area.y, std::max(m_area.y, m_area.bottom() - height));
    set_geometry(x, y, width, height);
}

void HintWindow::paint_content(Painter& a_painter) {
    const Rect content = get_content_rect();
    a_painter.draw_text(m_text, content.x, content.y, content.width, content.height,
                        TextAlignment_LEFT, TextAlignment_MIDDLE, get_font(), get_text_color());
}

} // namespace Vexa
