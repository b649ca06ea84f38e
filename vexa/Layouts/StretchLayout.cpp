#include "vexa/Layouts/StretchLayout.h"

namespace Vexa {

void StretchLayout::set_widget(Widget* a_widget) {
    if (a_widget == m_widget)
        return;
    Widget* old = m_widget;
    m_widget = a_widget;
    if (old)
        old->destroy();
    if (a_widget)
        adopt(a_widget);
    request_measure();
    request_placement();
}

void StretchLayout::child_leaving(Widget* a_child) {
    if (a_child == m_widget) {
        m_widget = nullptr;
        request_measure();
    }
}

void StretchLayout::measure_children(WidgetEvents::OnMeasure& a_event) {
    if (!is_active(m_widget))
        return;
    const WidgetRequestedSizes& sizes = m_widget->get_requested_sizes();
    add_content(a_event, sizes.get_minimum_width(), sizes.get_maximum_width(),
                sizes.get_requested_width(), sizes.get_minimum_height(), sizes.get_maximum_height(),
                sizes.get_requested_height());
}

void StretchLayout::place_children(const Rect& a_content) {
    if (is_active(m_widget))
        m_widget->set_geometry(a_content);
}

void StretchLayout::collect_cells(std::vector<Rect>& a_cells) const {
    if (is_active(m_widget))
        a_cells.push_back(get_content_rect());
}

} // namespace Vexa
