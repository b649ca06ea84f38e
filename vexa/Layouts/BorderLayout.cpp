#include "vexa/Layouts/BorderLayout.h"

#include "orvo/Core/Assert.h"
#include "vexa/Layouts/BorderLayoutStyleManager.h"

namespace Vexa {

BorderLayout::BorderLayout() {
    follow_style_sheet();
}

void BorderLayout::set_widget(BorderLayoutRegion a_region, Widget* a_widget) {
    ORVO_ASSERT(a_region < BorderLayoutRegion_ENUM_SIZE);
    Widget* old = m_widgets[a_region];
    if (old == a_widget)
        return;
    if (a_widget && a_widget->get_parent() == this)
        child_leaving(a_widget);
    m_widgets[a_region] = a_widget;
    if (old)
        old->destroy();
    if (a_widget) {
        adopt(a_widget);
        set_parental_data(a_widget, std::uint64_t(a_region));
    }
    request_measure();
    request_placement();
}

Widget* BorderLayout::get_widget(BorderLayoutRegion a_region) const {
    ORVO_ASSERT(a_region < BorderLayoutRegion_ENUM_SIZE);
    return m_widgets[a_region];
}

unsigned BorderLayout::get_presence_mask() const noexcept {
    unsigned mask = 0;
    for (int region = 0; region < BorderLayoutRegion_ENUM_SIZE; ++region)
        if (m_widgets[region])
            mask |= border_layout_bit(BorderLayoutRegion(region));
    return mask;
}

void BorderLayout::set_spaces(const BorderLayoutSpaces& a_spaces) {
    m_geometry.set_spaces(a_spaces);
    request_measure();
    request_placement();
}

void BorderLayout::child_leaving(Widget* a_child) {
    const std::uint64_t region = get_parental_data(a_child);
    if (region < BorderLayoutRegion_ENUM_SIZE && m_widgets[region] == a_child) {
        m_widgets[region] = nullptr;
        request_measure();
        request_placement();
    }
}

void BorderLayout::p_update_geometry() {
    m_geometry.clear();
    for (int region = 0; region < BorderLayoutRegion_ENUM_SIZE; ++region) {
        const Widget* widget = m_widgets[region];
        if (!is_active(widget))
            continue;
        const WidgetRequestedSizes& sizes = widget->get_requested_sizes();
        m_geometry.set_region(BorderLayoutRegion(region),
                              {sizes.get_minimum_width(), sizes.get_maximum_width(),
                               sizes.get_minimum_height(), sizes.get_maximum_height()});
    }
}

void BorderLayout::measure_children(WidgetEvents::OnMeasure& a_event) {
    p_update_geometry();
    const int width = m_geometry.get_minimum_width();
    const int height = m_geometry.get_minimum_height();
    add_content(a_event, width, m_geometry.get_maximum_width(), width, height,
                m_geometry.get_maximum_height(), height);
}

void BorderLayout::place_children(const Rect& a_content) {
    p_update_geometry();
    m_rects = m_geometry.place(a_content.width, a_content.height);
    for (int region = 0; region < BorderLayoutRegion_ENUM_SIZE; ++region) {
        m_rects[region] = m_rects[region].translated(a_content.x, a_content.y);
        if (m_geometry.has(BorderLayoutRegion(region)))
            m_widgets[region]->set_geometry(m_rects[region]);
    }
}

void BorderLayout::collect_cells(std::vector<Rect>& a_cells) const {
    for (int region = 0; region < BorderLayoutRegion_ENUM_SIZE; ++region)
        if (m_geometry.has(BorderLayoutRegion(region)))
            a_cells.push_back(m_rects[region]);
}

bool BorderLayout::install_style_behaviour(const StyleRegistry& a_registry) {
    BorderLayoutStyleManager::install(a_registry);
    return true;
}

} // namespace Vexa
