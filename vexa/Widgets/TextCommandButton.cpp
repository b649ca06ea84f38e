#include "vexa/Widgets/TextCommandButton.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/TextMeasure.h"

namespace Vexa {

TextCommandButton::TextCommandButton(std::u16string a_text) : m_text(std::move(a_text)) {}

void TextCommandButton::set_text(std::u16string a_text) {
    if (a_text == m_text)
        return;
    m_text = std::move(a_text);
    request_measure();
    repaint();
}

void TextCommandButton::measure_content(WidgetEvents::OnMeasure& a_event) {
    TextMeasure::add(a_event, Painter::measure_text(m_text, get_font()));
}

void TextCommandButton::paint_contents(Painter& a_painter, const Rect& a_contents) {
    a_painter.draw_text(m_text, a_contents.x, a_contents.y, a_contents.width, a_contents.height,
                        TextAlignment_CENTER, TextAlignment_MIDDLE, get_font(), get_text_color());
}

} // namespace Vexa
