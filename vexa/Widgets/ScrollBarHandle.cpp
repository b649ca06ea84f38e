#include "vexa/Widgets/ScrollBarHandle.h"

#include "vexa/Widgets/ScrollBar.h"

namespace Vexa {

ScrollBarHandle::ScrollBarHandle(ScrollBar& a_bar) : m_bar(a_bar) {
    for (InputEventType type :
         {InputEventType_MOUSE_DOWN, InputEventType_MOUSE_UP, InputEventType_MOUSE_MOVED})
        set_input_event_propagation_filter(type, false);
}

void ScrollBarHandle::handle_input(InputEvent& a_event) {
    const bool vertical = m_bar.is_vertical();
    const int along = vertical ? a_event.y : a_event.x;
    switch (a_event.type) {
    case InputEventType_MOUSE_DOWN:
        if (a_event.button != 1)
            return;
        a_event.consumed = true;
        m_dragged = true;
        m_grip = along;
        return;
    case InputEventType_MOUSE_MOVED:
        if (!m_dragged)
            return;
        a_event.consumed = true;
        m_bar.p_drag_handle_to((vertical ? get_rect().y : get_rect().x) + along - m_grip);
        return;
    case InputEventType_MOUSE_UP:
        if (a_event.button == 1 && m_dragged) {
            a_event.consumed = true;
            m_dragged = false;
        }
        return;
    default:
        return;
    }
}

} // namespace Vexa
