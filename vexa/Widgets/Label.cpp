#include "vexa/Widgets/Label.h"

#include "vexa/Widgets/TextMeasure.h"

namespace Vexa {

Label::Label(std::u16string a_text) : m_text(std::move(a_text)) {}

void Label::set_text(std::u16string a_text) {
    if (a_text == m_text)
        return;
    m_text = std::move(a_text);
    request_measure();
    repaint();
}

void Label::set_alignment(int a_horizontal, int a_vertical) {
    m_horizontal_alignment = a_horizontal;
    m_vertical_alignment = a_vertical;
    repaint();
}

void Label::measure_content(WidgetEvents::OnMeasure& a_event) {
    TextMeasure::add(a_event, Painter::measure_text(m_text, get_font()));
}

void Label::paint_content(Painter& a_painter) {
    const Rect content = get_content_rect();
    a_painter.draw_text(m_text, content.x, content.y, content.width, content.height,
                        m_horizontal_alignment, m_vertical_alignment, get_font(), get_text_color());
}

} // namespace Vexa
