#include "vexa/Window/NormalWindowCloseButton.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Window/NormalWindow.h"

namespace Vexa {

NormalWindowCloseButton::NormalWindowCloseButton() {
    // The press and release belong to the button: the title bar must not start a drag from here.
    set_input_event_propagation_filter(InputEventType_MOUSE_DOWN, false);
    set_input_event_propagation_filter(InputEventType_MOUSE_UP, false);
    set_input_event_propagation_filter(InputEventType_MOUSE_MOVED, false);
}

void NormalWindowCloseButton::paint_content(Painter& a_painter) {
    const int w = get_width();
    const int h = get_height();
    if (m_hovered || m_pressed)
        a_painter.fill_rectangle({0, 0, w, h},
                                 GdiPlus_Brush(GdiPlus_Color(m_pressed ? 0xFFA33A3A : 0xFFC75050)));
    const int p = crossmark_padding;
    const GdiPlus_Pen pen(GdiPlus_Color(0xFFFFFFFF), 2);
    SmoothingScope smoothing(a_painter);
    a_painter.draw_line(p, p, w - p - 1, h - p - 1, pen);
    a_painter.draw_line(p, h - p - 1, w - p - 1, p, pen);
}

void NormalWindowCloseButton::handle_input(InputEvent& a_event) {
    switch (a_event.type) {
    case InputEventType_MOUSE_DOWN:
        if (a_event.button == 1) {
            m_pressed = true;
            a_event.consumed = true;
            repaint();
        }
        break;
    case InputEventType_MOUSE_UP:
        if (m_pressed && a_event.button == 1) {
            m_pressed = false;
            a_event.consumed = true;
            repaint();
            if (a_event.x >= 0 && a_event.y >= 0 && a_event.x < get_width() &&
                a_event.y < get_height())
                if (auto* window = dynamic_cast<NormalWindow*>(get_window()))
                    window->request_close();
        }
        break;
    case InputEventType_MOUSE_OVER:
    case InputEventType_MOUSE_OUT:
        m_hovered = a_event.type == InputEventType_MOUSE_OVER;
        repaint();
        break;
    default:
        break;
    }
}

} // namespace Vexa
