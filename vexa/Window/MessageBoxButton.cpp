#include "vexa/Window/MessageBoxButton.h"

#include "vexa/Application/Toolkit.h"
#include "vexa/Graphics/Painter.h"

namespace Vexa {

MessageBoxButton::MessageBoxButton(std::u16string a_caption, int a_answer,
                                   std::function<void(int)> a_on_click)
    : m_caption(std::move(a_caption)), m_answer(a_answer), m_on_click(std::move(a_on_click)) {
    set_focus_policy(0);
    connect(m_on_action, this, &MessageBoxButton::p_on_action);
}

void MessageBoxButton::paint_content(Painter& a_painter) {
    const int w = get_width();
    const int h = get_height();
    if (!get_frame().background.is_null()) {
        // Styled as a text command button: the frame is painted, the caption follows the push.
        const Rect contents = get_contents_rect();
        a_painter.draw_text(m_caption, contents.x, contents.y, contents.width, contents.height,
                            TextAlignment_CENTER, TextAlignment_MIDDLE, get_font(),
                            get_text_color());
        return;
    }
    a_painter.fill_and_stroke_rectangle(
        0, 0, w, h, GdiPlus_Pen(GdiPlus_Color(0xFF8C8C8C), 1),
        GdiPlus_Brush(GdiPlus_Color(is_pushed() ? 0xFFD8D4CC : 0xFFFFFFFF)));
    const GdiPlus_Pen light(GdiPlus_Color(is_pushed() ? 0xFFC4C0B8 : 0xFFFFFFFF), 0);
    const GdiPlus_Pen dark(GdiPlus_Color(is_pushed() ? 0xFFFFFFFF : 0xFFDAD6CE), 0);
    a_painter.draw_line(1, h - 2, w - 2, h - 2, dark);
    a_painter.draw_line(1, 1, w - 2, 1, light);
    const int shift = is_pushed() ? 1 : 0;
    a_painter.draw_text(m_caption, shift, shift, w, h, TextAlignment_CENTER, TextAlignment_MIDDLE,
                        Toolkit::get().get_stock().default_font, GdiPlus_Color(0xFF202020));
}

void MessageBoxButton::p_on_action(CommandButtonEvents::OnAction&) {
    if (m_on_click)
        m_on_click(m_answer);
}

} // namespace Vexa
