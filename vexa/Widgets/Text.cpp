#include "vexa/Widgets/Text.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/TextMeasure.h"

#include <algorithm>

namespace Vexa {

Text::Text(std::u16string a_text, int a_wrap_width)
    : m_text(std::move(a_text)), m_wrap_width(std::max(0, a_wrap_width)) {}

void Text::set_text(std::u16string a_text) {
    if (a_text == m_text)
        return;
    m_text = std::move(a_text);
    request_measure();
    repaint();
}

void Text::set_wrap_width(int a_width) {
    a_width = std::max(0, a_width);
    if (a_width == m_wrap_width)
        return;
    m_wrap_width = a_width;
    request_measure();
    repaint();
}

std::vector<std::u16string> Text::get_lines() const {
    std::vector<std::u16string> lines;
    std::u16string_view rest = m_text;
    while (true) {
        const std::size_t end = rest.find(u'\n');
        const std::u16string_view paragraph = rest.substr(0, end);
        if (m_wrap_width <= 0) {
            lines.emplace_back(paragraph);
        } else {
            // Greedy: words join the line while it stays within the width.
            std::u16string line;
            std::size_t at = 0;
            bool any = false;
            while (at <= paragraph.size()) {
                const std::size_t space = std::min(paragraph.find(u' ', at), paragraph.size());
                const std::u16string_view word = paragraph.substr(at, space - at);
                std::u16string candidate = line.empty() ? std::u16string(word) : line + u" ";
                if (!line.empty())
                    candidate += word;
                if (!line.empty() &&
                    Painter::measure_text(candidate, get_font()).width > m_wrap_width) {
                    lines.push_back(line);
                    line = std::u16string(word);
                } else {
                    line = std::move(candidate);
                }
                any = true;
                at = space + 1;
            }
            if (any)
                lines.push_back(line);
        }
        if (end == std::u16string_view::npos)
            break;
        rest = rest.substr(end + 1);
    }
    return lines;
}

void Text::measure_content(WidgetEvents::OnMeasure& a_event) {
    Size content;
    for (const std::u16string& line : get_lines()) {
        const Size size = Painter::measure_text(line, get_font());
        content.width = std::max(content.width, size.width);
        content.height += size.height;
    }
    TextMeasure::add(a_event, content);
}

void Text::paint_content(Painter& a_painter) {
    const Rect content = get_content_rect();
    int y = content.y;
    for (const std::u16string& line : get_lines()) {
        const int height = Painter::measure_text(line, get_font()).height;
        a_painter.draw_text(line, content.x, y, content.width, height, TextAlignment_LEFT,
                            TextAlignment_TOP, get_font(), get_text_color());
        y += height;
    }
}

} // namespace Vexa
