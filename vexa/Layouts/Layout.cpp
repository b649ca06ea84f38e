#include "vexa/Layouts/Layout.h"

#include "vexa/Application/Application.h"
#include "vexa/Graphics/GdiPlus_Brush.h"
#include "vexa/Graphics/GdiPlus_Pen.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Styles/StyleSheet.h"

#include <algorithm>

namespace Vexa {

namespace {

bool outlines_shown = false;

int capped_sum(long long a_first, long long a_second) {
    return int(std::clamp<long long>(a_first + a_second, 0, widget_size_limit));
}

} // namespace

Layout::Layout() {
    connect(m_on_measure, this, &Layout::p_on_measure);
    connect(m_on_placement, this, &Layout::p_on_placement);
}

void Layout::set_outlines_shown(bool a_shown) noexcept {
    outlines_shown = a_shown;
}

bool Layout::are_outlines_shown() noexcept {
    return outlines_shown;
}

void Layout::collect_cells(std::vector<Rect>&) const {}

void Layout::child_leaving(Widget*) {}

bool Layout::install_style_behaviour(const StyleRegistry&) {
    return false;
}

namespace {

std::shared_ptr<const StyleSheet> application_sheet() {
    const Application* application = Application::get();
    return application ? application->get_style_sheet() : nullptr;
}

} // namespace

void Layout::follow_style_sheet() {
    if (const auto sheet = application_sheet()) {
        install_style_behaviour(sheet->get_registry());
        m_installed_sheet = sheet;
    }
}

void Layout::adopt(Widget* a_child) {
    if (a_child->get_parent() != this)
        add_child(a_child);
    connect(a_child->m_on_destroying, this, &Layout::p_on_child_destroying);
}

void Layout::p_on_child_destroying(WidgetEvent& a_event) {
    if (a_event.widget && a_event.widget->get_parent() == this)
        child_leaving(a_event.widget);
}

void Layout::add_content(WidgetEvents::OnMeasure& a_event, int a_minimum_width, int a_maximum_width,
                         int a_requested_width, int a_minimum_height, int a_maximum_height,
                         int a_requested_height) {
    a_event.minimum.width = capped_sum(a_event.minimum.width, a_minimum_width);
    a_event.minimum.height = capped_sum(a_event.minimum.height, a_minimum_height);
    a_event.requested.width = capped_sum(a_event.requested.width, a_requested_width);
    a_event.requested.height = capped_sum(a_event.requested.height, a_requested_height);
    a_event.maximum.width = capped_sum(a_event.extras.width, a_maximum_width);
    a_event.maximum.height = capped_sum(a_event.extras.height, a_maximum_height);
}

void Layout::p_on_measure(WidgetEvents::OnMeasure& a_event) {
    // A sheet that came after the layout was styled without the layout's own properties.
    const auto sheet = application_sheet();
    if (sheet && sheet != m_installed_sheet.lock()) {
        m_installed_sheet = sheet;
        if (install_style_behaviour(sheet->get_registry()))
            request_restyle();
    }
    measure_children(a_event);
}

void Layout::p_on_placement(WidgetEvent&) {
    place_children(get_content_rect());
    if (outlines_shown)
        repaint();
}

// Children paint over their cells, so the outline runs one pixel outside each cell, in the
// spacing and the padding; a faint tint shows where a cell is larger than its child.
void Layout::paint_content(Painter& a_painter) {
    if (!outlines_shown)
        return;
    std::vector<Rect> cells;
    collect_cells(cells);
    const GdiPlus_Pen pen(GdiPlus_Color(0xFFD9734E), 1);
    const GdiPlus_Brush tint(GdiPlus_Color(0x24D9734E));
    for (const Rect& cell : cells)
        a_painter.fill_and_stroke_rectangle(cell.x - 1, cell.y - 1, cell.width + 2, cell.height + 2,
                                            pen, tint);
}

} // namespace Vexa
