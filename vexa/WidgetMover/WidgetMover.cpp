#include "vexa/WidgetMover/WidgetMover.h"

#include "orvo/Core/Assert.h"

#include <algorithm>

namespace Vexa {

void WidgetMover::set_widget(Widget* a_widget) {
    ORVO_ASSERT(a_widget);
    ORVO_ASSERT(!m_widget);
    m_widget = a_widget;
    adopt(a_widget);
    for (InputEventType type :
         {InputEventType_MOUSE_DOWN, InputEventType_MOUSE_MOVED, InputEventType_MOUSE_UP})
        a_widget->set_accepts(type, true);
    connect(a_widget->on_mouse_down(), this, &WidgetMover::p_on_mouse_down);
    connect(a_widget->on_mouse_moved(), this, &WidgetMover::p_on_mouse_moved);
    connect(a_widget->on_mouse_up(), this, &WidgetMover::p_on_mouse_up);
    request_measure();
    request_placement();
}

void WidgetMover::move_to(int a_x, int a_y) {
    m_x = a_x;
    m_y = a_y;
    place_children(get_content_rect());
}

void WidgetMover::child_leaving(Widget* a_child) {
    if (a_child == m_widget) {
        m_widget = nullptr;
        m_dragging = false;
    }
}

void WidgetMover::measure_children(WidgetEvents::OnMeasure& a_event) {
    if (!is_active(m_widget))
        return;
    const WidgetRequestedSizes& sizes = m_widget->get_requested_sizes();
    add_content(a_event, sizes.get_minimum_width(), widget_size_limit, sizes.get_requested_width(),
                sizes.get_minimum_height(), widget_size_limit, sizes.get_requested_height());
}

// The widget keeps its preferred size where the box allows it, and its corner stays inside.
void WidgetMover::place_children(const Rect& a_content) {
    if (!is_active(m_widget))
        return;
    const WidgetRequestedSizes& sizes = m_widget->get_requested_sizes();
    const int width = std::min(sizes.get_requested_width(), a_content.width);
    const int height = std::min(sizes.get_requested_height(), a_content.height);
    m_x = std::max(0, std::min(m_x, a_content.width - width));
    m_y = std::max(0, std::min(m_y, a_content.height - height));
    m_widget->set_geometry(a_content.x + m_x, a_content.y + m_y, width, height);
}

void WidgetMover::p_on_mouse_down(InputEvent& a_event) {
    if (a_event.button != 1)
        return;
    m_dragging = true;
    m_grab_x = a_event.desktop_x;
    m_grab_y = a_event.desktop_y;
    m_start_x = m_x;
    m_start_y = m_y;
    a_event.consumed = true;
}

void WidgetMover::p_on_mouse_moved(InputEvent& a_event) {
    if (!m_dragging)
        return;
    move_to(m_start_x + a_event.desktop_x - m_grab_x, m_start_y + a_event.desktop_y - m_grab_y);
    a_event.consumed = true;
}

void WidgetMover::p_on_mouse_up(InputEvent& a_event) {
    if (!m_dragging || a_event.button != 1)
        return;
    m_dragging = false;
    a_event.consumed = true;
}

} // namespace Vexa
