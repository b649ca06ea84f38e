#include "vexa/Widgets/ScrollBarTrough.h"

#include "vexa/Widgets/ScrollBar.h"
#include "vexa/Widgets/ScrollBarHandle.h"

namespace Vexa {

ScrollBarTrough::ScrollBarTrough(ScrollBar& a_bar) : m_bar(a_bar) {
    set_input_event_propagation_filter(InputEventType_MOUSE_DOWN, false);
}

void ScrollBarTrough::handle_input(InputEvent& a_event) {
    if (a_event.type != InputEventType_MOUSE_DOWN || a_event.button != 1)
        return;
    a_event.consumed = true;
    const Rect handle = m_bar.get_handle()->get_rect();
    const bool vertical = m_bar.is_vertical();
    const int along = vertical ? a_event.y : a_event.x;
    const int start = vertical ? handle.y : handle.x;
    if (along < start)
        m_bar.scroll_by(-m_bar.get_page_size());
    else if (along >= start + (vertical ? handle.height : handle.width))
        m_bar.scroll_by(m_bar.get_page_size());
}

void ScrollBarTrough::resized() {
    m_bar.p_place_handle();
}

} // namespace Vexa
