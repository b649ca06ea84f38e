#include "vexa/Layouts/PageLayout.h"

#include "orvo/Core/Assert.h"

#include <algorithm>

namespace Vexa {

std::size_t PageLayout::add_page(Widget* a_widget) {
    const std::size_t index = m_pages.size();
    m_pages.push_back({a_widget});
    if (a_widget) {
        adopt(a_widget);
        set_parental_data(a_widget, index);
        if (index != m_current)
            a_widget->hide();
    }
    request_measure();
    request_placement();
    return index;
}

Widget* PageLayout::get_page_widget(std::size_t a_page) const {
    ORVO_ASSERT(a_page < m_pages.size());
    return m_pages[a_page].widget;
}

void PageLayout::set_current_page(std::size_t a_page) {
    ORVO_ASSERT(a_page < m_pages.size());
    if (a_page == m_current)
        return;
    if (m_current < m_pages.size() && m_pages[m_current].widget)
        m_pages[m_current].widget->hide();
    m_current = a_page;
    if (Widget* widget = m_pages[m_current].widget)
        widget->show();
    request_placement();
}

void PageLayout::child_leaving(Widget* a_child) {
    const std::uint64_t page = get_parental_data(a_child);
    if (page < m_pages.size() && m_pages[page].widget == a_child) {
        m_pages[page].widget = nullptr;
        request_measure();
    }
}

// Hidden pages count too: the layout keeps the size of its largest page.
void PageLayout::measure_children(WidgetEvents::OnMeasure& a_event) {
    int minimum_width = 0, maximum_width = 0, requested_width = 0;
    int minimum_height = 0, maximum_height = 0, requested_height = 0;
    bool any = false;
    for (const PageLayoutPage& page : m_pages) {
        if (!page.widget)
            continue;
        const WidgetRequestedSizes& sizes = page.widget->get_requested_sizes();
        minimum_width = std::max(minimum_width, sizes.get_minimum_width());
        maximum_width = std::max(maximum_width, sizes.get_maximum_width());
        requested_width = std::max(requested_width, sizes.get_requested_width());
        minimum_height = std::max(minimum_height, sizes.get_minimum_height());
        maximum_height = std::max(maximum_height, sizes.get_maximum_height());
        requested_height = std::max(requested_height, sizes.get_requested_height());
        any = true;
    }
    if (any)
        add_content(a_event, minimum_width, maximum_width, requested_width, minimum_height,
                    maximum_height, requested_height);
}

void PageLayout::place_children(const Rect& a_content) {
    if (m_current < m_pages.size() && m_pages[m_current].widget)
        m_pages[m_current].widget->set_geometry(a_content);
}

void PageLayout::collect_cells(std::vector<Rect>& a_cells) const {
    if (m_current < m_pages.size() && m_pages[m_current].widget)
        a_cells.push_back(get_content_rect());
}

} // namespace Vexa
