#include "vexa/Layouts/GridLayout.h"

#include "vexa/Layouts/GridLayoutStyleManager.h"

#include <algorithm>

namespace Vexa {

namespace {

std::uint64_t parental_data(std::size_t a_row, std::size_t a_column) {
    return (std::uint64_t(a_row) << 32) | std::uint32_t(a_column);
}

} // namespace

GridLayout::GridLayout(std::size_t a_rows, std::size_t a_columns) {
    follow_style_sheet();
    m_geometry.insert_rows(0, a_rows);
    m_geometry.insert_columns(0, a_columns);
}

void GridLayout::p_changed() {
    request_measure();
    request_placement();
}

void GridLayout::p_renumber() {
    for (std::size_t row = 0; row < get_row_count(); ++row)
        for (std::size_t column = 0; column < get_column_count(); ++column)
            if (Widget* widget = m_geometry.cell(row, column).widget)
                set_parental_data(widget, parental_data(row, column));
}

void GridLayout::insert_rows(std::size_t a_at, std::size_t a_count) {
    m_geometry.insert_rows(a_at, a_count);
    p_renumber();
    p_changed();
}

void GridLayout::insert_columns(std::size_t a_at, std::size_t a_count) {
    m_geometry.insert_columns(a_at, a_count);
    p_renumber();
    p_changed();
}

void GridLayout::remove_rows(std::size_t a_at, std::size_t a_count) {
    std::vector<Widget*> removed;
    if (a_at <= get_row_count() && a_count <= get_row_count() - a_at)
        for (std::size_t row = a_at; row < a_at + a_count; ++row)
            for (std::size_t column = 0; column < get_column_count(); ++column)
                if (Widget* widget = m_geometry.cell(row, column).widget)
                    removed.push_back(widget);
    m_geometry.remove_rows(a_at, a_count);
    for (Widget* widget : removed)
        widget->destroy();
    p_renumber();
    p_changed();
}

void GridLayout::remove_columns(std::size_t a_at, std::size_t a_count) {
    std::vector<Widget*> removed;
    if (a_at <= get_column_count() && a_count <= get_column_count() - a_at)
        for (std::size_t row = 0; row < get_row_count(); ++row)
            for (std::size_t column = a_at; column < a_at + a_count; ++column)
                if (Widget* widget = m_geometry.cell(row, column).widget)
                    removed.push_back(widget);
    m_geometry.remove_columns(a_at, a_count);
    for (Widget* widget : removed)
        widget->destroy();
    p_renumber();
    p_changed();
}

void GridLayout::move_row(std::size_t a_from, std::size_t a_to) {
    m_geometry.move_row(a_from, a_to);
    p_renumber();
    p_changed();
}

void GridLayout::set_cell(std::size_t a_row, std::size_t a_column, Widget* a_widget,
                          unsigned a_row_span, unsigned a_column_span) {
    Widget* old = m_geometry.cell(a_row, a_column).widget;
    m_geometry.set_cell(a_row, a_column, a_widget, a_row_span, a_column_span);
    if (old && old != a_widget)
        old->destroy();
    if (a_widget) {
        // A widget moving from another cell of this grid leaves that cell empty.
        if (a_widget->get_parent() == this) {
            const GridLayoutPosition was = get_position(a_widget);
            if ((was.row != a_row || was.column != a_column) && was.row < get_row_count() &&
                was.column < get_column_count() &&
                m_geometry.cell(was.row, was.column).widget == a_widget)
                m_geometry.set_cell(was.row, was.column, nullptr);
        }
        adopt(a_widget);
        set_parental_data(a_widget, parental_data(a_row, a_column));
    }
    p_changed();
}

Widget* GridLayout::get_cell_widget(std::size_t a_row, std::size_t a_column) const {
    return m_geometry.cell(a_row, a_column).widget;
}

GridLayoutPosition GridLayout::get_position(const Widget* a_child) const {
    const std::uint64_t data = get_parental_data(a_child);
    return {std::size_t(data >> 32), std::size_t(data & 0xFFFFFFFFu)};
}

void GridLayout::child_leaving(Widget* a_child) {
    const GridLayoutPosition position = get_position(a_child);
    if (position.row < get_row_count() && position.column < get_column_count() &&
        m_geometry.cell(position.row, position.column).widget == a_child) {
        m_geometry.set_cell(position.row, position.column, nullptr);
        p_changed();
    }
}

void GridLayout::take_widget(Widget* a_child) {
    child_leaving(a_child);
    remove_child(a_child);
}

void GridLayout::set_horizontal_spacing(int a_spacing) {
    m_geometry.columns().set_spacing(a_spacing);
    p_changed();
}

void GridLayout::set_vertical_spacing(int a_spacing) {
    m_geometry.rows().set_spacing(a_spacing);
    p_changed();
}

void GridLayout::set_equal_column_widths(bool a_equal) {
    m_geometry.columns().set_equal(a_equal);
    p_changed();
}

void GridLayout::set_equal_row_heights(bool a_equal) {
    m_geometry.rows().set_equal(a_equal);
    p_changed();
}

void GridLayout::set_axis_mode(GridLayoutAxisId a_axis, GridLayoutAxisMode a_mode) {
    (a_axis == GridLayoutAxisId_ROWS ? m_geometry.rows() : m_geometry.columns()).set_mode(a_mode);
    p_changed();
}

void GridLayout::set_row_enabled(std::size_t a_row, bool a_enabled) {
    m_geometry.rows().line(a_row).enabled = a_enabled;
    p_changed();
}

void GridLayout::set_column_enabled(std::size_t a_column, bool a_enabled) {
    m_geometry.columns().line(a_column).enabled = a_enabled;
    p_changed();
}

GridLayoutCellLimits GridLayout::p_limits_of(const GridLayoutCell& a_cell) const {
    if (!is_active(a_cell.widget))
        return {};
    const WidgetRequestedSizes& sizes = a_cell.widget->get_requested_sizes();
    return {true,
            sizes.get_minimum_width(),
            sizes.get_maximum_width(),
            a_cell.widget->get_width(),
            sizes.get_minimum_height(),
            sizes.get_maximum_height(),
            a_cell.widget->get_height()};
}

void GridLayout::measure_children(WidgetEvents::OnMeasure& a_event) {
    m_geometry.columns().set_stretchable(is_horizontally_stretchable());
    m_geometry.rows().set_stretchable(is_vertically_stretchable());
    m_geometry.measure([this](const GridLayoutCell& a_cell) { return p_limits_of(a_cell); });
    const int width = m_geometry.columns().get_total_minimum();
    const int height = m_geometry.rows().get_total_minimum();
    add_content(a_event, width, m_geometry.columns().get_total_maximum(), width, height,
                m_geometry.rows().get_total_maximum(), height);
}

void GridLayout::place_children(const Rect& a_content) {
    m_content = a_content;
    m_geometry.place(
        a_content.width, a_content.height,
        [this](const GridLayoutCell& a_cell) { return p_limits_of(a_cell); },
        [&a_content](const GridLayoutCell& a_cell, const Rect& a_rect) {
            a_cell.widget->set_geometry(a_content.x + a_rect.x, a_content.y + a_rect.y,
                                        a_rect.width, a_rect.height);
        });
}

void GridLayout::collect_cells(std::vector<Rect>& a_cells) const {
    for (std::size_t row = 0; row < get_row_count(); ++row)
        for (std::size_t column = 0; column < get_column_count(); ++column)
            if (!m_geometry.cell(row, column).covered)
                a_cells.push_back(
                    m_geometry.cell_rect(row, column).translated(m_content.x, m_content.y));
}

bool GridLayout::install_style_behaviour(const StyleRegistry& a_registry) {
    GridLayoutStyleManager::install(a_registry);
    return true;
}

} // namespace Vexa
