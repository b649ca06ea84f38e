#include "vexa/Layouts/ScrollArea.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/VerticalScrollBar.h"

#include <algorithm>

namespace Vexa {

namespace {

bool holds(const Widget& a_ancestor, const Widget* a_widget) {
    if (&a_ancestor == a_widget)
        return true;
    for (const Widget* child : a_ancestor.get_children())
        if (holds(*child, a_widget))
            return true;
    return false;
}

} // namespace

ScrollArea::ScrollArea() : m_bar(new VerticalScrollBar) {
    add_child(m_bar);
    m_bar->hide();
    m_bar->set_range(0, 0);
    connect(m_bar->get_model().m_on_changed, this, &ScrollArea::p_on_offset);
    connect(m_on_child_sizes_changed, this, &ScrollArea::p_on_child_sizes_changed);
    set_vertically_stretchable(true);
}

void ScrollArea::set_content(Widget* a_content) {
    if (a_content == m_content)
        return;
    Widget* old = m_content;
    m_content = a_content;
    m_pending_show = nullptr;
    if (old)
        old->destroy();
    if (a_content) {
        adopt(a_content);
        connect(a_content->m_on_placement, this, &ScrollArea::p_on_content_placed);
    }
    m_bar->set_value(0);
    request_measure();
    request_placement();
}

void ScrollArea::child_leaving(Widget* a_child) {
    if (a_child != m_content)
        return;
    m_content = nullptr;
    m_pending_show = nullptr;
    request_measure();
    request_placement();
}

int ScrollArea::get_offset() const {
    return m_bar->get_value();
}

void ScrollArea::set_offset(int a_offset) {
    m_bar->set_value(a_offset);
}

Rect ScrollArea::get_viewport() const {
    return m_viewport;
}

void ScrollArea::scroll_to_show(const Rect& a_rect) {
    const int view = m_viewport.height;
    int offset = get_offset();
    if (a_rect.y < offset || a_rect.height > view)
        offset = a_rect.y;
    else if (a_rect.bottom() > offset + view)
        offset = a_rect.bottom() - view;
    set_offset(offset);
}

void ScrollArea::scroll_to_show(const Widget& a_descendant) {
    m_pending_show = &a_descendant;
    p_show_pending();
}

void ScrollArea::p_show_pending() {
    if (!m_pending_show)
        return;
    if (!m_content || !holds(*m_content, m_pending_show)) {
        m_pending_show = nullptr;
        return;
    }
    Rect rect{0, 0, m_pending_show->get_width(), m_pending_show->get_height()};
    for (const Widget* widget = m_pending_show; widget != m_content; widget = widget->get_parent())
        rect = rect.translated(widget->get_rect().x, widget->get_rect().y);
    scroll_to_show(rect);
    const bool settled = !is_queued(WidgetUpdate_MEASURE) && !is_queued(WidgetUpdate_PLACEMENT) &&
                         !m_content->is_queued(WidgetUpdate_MEASURE) &&
                         !m_content->is_queued(WidgetUpdate_PLACEMENT) && is_displayed();
    if (settled)
        m_pending_show = nullptr;
}

void ScrollArea::set_minimum_viewport_height(int a_pixels) {
    m_minimum_viewport_height = std::max(0, a_pixels);
    request_measure();
}

void ScrollArea::measure_children(WidgetEvents::OnMeasure& a_event) {
    const WidgetRequestedSizes& bar = m_bar->get_requested_sizes();
    const int bar_width = bar.get_requested_width();
    const int minimum_height = std::max(m_minimum_viewport_height, bar.get_minimum_height());
    if (!is_active(m_content)) {
        add_content(a_event, bar_width, widget_size_limit, bar_width, minimum_height,
                    widget_size_limit, minimum_height);
        return;
    }
    // Room for the bar across, so that it never squeezes the content below its minimum.
    const WidgetRequestedSizes& content = m_content->get_requested_sizes();
    add_content(a_event, content.get_minimum_width() + bar_width,
                content.get_maximum_width() + bar_width, content.get_requested_width() + bar_width,
                minimum_height, widget_size_limit,
                std::max(minimum_height, content.get_requested_height()));
}

void ScrollArea::place_children(const Rect& a_content) {
    if (!is_active(m_content)) {
        m_viewport = a_content;
        m_content_height = 0;
        m_bar->hide();
        m_bar->set_range(0, 0);
        return;
    }
    const WidgetRequestedSizes& sizes = m_content->get_requested_sizes();
    const int wanted = sizes.get_requested_height();
    const bool bar_shown = wanted > a_content.height;
    const int bar_width = bar_shown ? m_bar->get_requested_sizes().get_requested_width() : 0;
    m_viewport = {a_content.x, a_content.y, std::max(0, a_content.width - bar_width),
                  a_content.height};
    const int height =
        m_content->is_vertically_stretchable() ? std::max(wanted, a_content.height) : wanted;
    m_content_height =
        std::clamp(height, sizes.get_minimum_height(), std::max(sizes.get_maximum_height(), 0));
    if (bar_shown) {
        m_bar->set_geometry(m_viewport.right(), a_content.y, bar_width, a_content.height);
        m_bar->show();
    } else {
        m_bar->hide();
    }
    m_bar->set_page_size(m_viewport.height);
    m_bar->set_step(Painter::measure_text(u"Ay", get_font()).height);
    // Clamps the offset of a content that shrank; a change places the content on its way.
    m_bar->set_range(0, std::max(0, m_content_height - m_viewport.height));
    p_place_content();
    p_show_pending();
}

void ScrollArea::p_place_content() {
    if (is_active(m_content))
        m_content->set_geometry(m_viewport.x, m_viewport.y - get_offset(), m_viewport.width,
                                m_content_height);
}

void ScrollArea::collect_cells(std::vector<Rect>& a_cells) const {
    if (is_active(m_content))
        a_cells.push_back(m_viewport);
}

void ScrollArea::handle_input(InputEvent& a_event) {
    // A content that fits leaves the wheel to the areas around it.
    if (a_event.type != InputEventType_MOUSE_WHEEL || m_bar->is_hidden())
        return;
    m_bar->scroll_by_wheel(a_event.wheel_delta);
    a_event.consumed = true;
}

void ScrollArea::p_on_child_sizes_changed(WidgetEvent&) {
    // The area's own size may stay as it is: the content still needs its new height, and a
    // restyled bar its new width.
    request_placement();
}

void ScrollArea::p_on_offset(Wwm1_ChangedEvent<int>&) {
    p_place_content();
}

void ScrollArea::p_on_content_placed(WidgetEvent&) {
    p_show_pending();
}

} // namespace Vexa
