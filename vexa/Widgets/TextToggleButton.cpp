#include "vexa/Widgets/TextToggleButton.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/TextMeasure.h"

namespace Vexa {

TextToggleButton::TextToggleButton(std::u16string a_text) : m_text(std::move(a_text)) {}

void TextToggleButton::set_text(std::u16string a_text) {
    if (a_text == m_text)
        return;
    m_text = std::move(a_text);
    request_measure();
    repaint();
}

void TextToggleButton::measure_content(WidgetEvents::OnMeasure& a_event) {
    TextMeasure::add(a_event, Painter::measure_text(m_text, get_font()));
}

void TextToggleButton::paint_contents(Painter& a_painter, const Rect& a_contents) {
    a_painter.draw_text(m_text, a_contents.x, a_contents.y, a_contents.width, a_contents.height,
                        TextAlignment_CENTER, TextAlignment_MIDDLE, get_font(), get_text_color());
}

} // namespace Vexa
