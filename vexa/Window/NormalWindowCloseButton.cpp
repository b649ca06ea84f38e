#include "vexa/Window/NormalWindowCloseButton.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Window/NormalWindow.h"

namespace Vexa {

NormalWindowCloseButton::NormalWindowCloseButton() {
    // A click on the cross must not move the focus away from the window's contents.
    set_focus_policy(0);
    connect(m_on_action, this, &NormalWindowCloseButton::p_on_action);
}

void NormalWindowCloseButton::set_crossmark_padding(int a_padding) {
    m_crossmark_padding = a_padding;
    repaint();
}

void NormalWindowCloseButton::set_crossmark_pen(const GdiPlus_Pen& a_pen) {
    m_crossmark_pen = a_pen;
    repaint();
}

void NormalWindowCloseButton::paint_content(Painter& a_painter) {
    const int w = get_width();
    const int h = get_height();
    if (m_hovered && !is_pushed())
        a_painter.fill_rectangle({0, 0, w, h}, GdiPlus_Brush(GdiPlus_Color(0x30FFFFFF)));
    const int p = m_crossmark_padding;
    SmoothingScope smoothing(a_painter);
    a_painter.draw_line(p, p, w - p - 1, h - p - 1, m_crossmark_pen);
    a_painter.draw_line(p, h - p - 1, w - p - 1, p, m_crossmark_pen);
}

void NormalWindowCloseButton::handle_input(InputEvent& a_event) {
    if (a_event.type == InputEventType_MOUSE_OVER || a_event.type == InputEventType_MOUSE_OUT) {
        m_hovered = a_event.type == InputEventType_MOUSE_OVER;
        repaint();
    }
    CommandButton::handle_input(a_event);
}

void NormalWindowCloseButton::p_on_action(CommandButtonEvents::OnAction&) {
    if (auto* window = dynamic_cast<NormalWindow*>(get_window()))
        window->request_close();
}

} // namespace Vexa
