#include "vexa/Layouts/GridLayoutGeometry.h"

#include "orvo/Core/Assert.h"

#include <algorithm>
#include <vector>

namespace Vexa {

GridLayoutCell& GridLayoutGeometry::cell(std::size_t a_row, std::size_t a_column) {
    return m_cells.get(a_row, a_column);
}

const GridLayoutCell& GridLayoutGeometry::cell(std::size_t a_row, std::size_t a_column) const {
    return m_cells.get(a_row, a_column);
}

void GridLayoutGeometry::insert_rows(std::size_t a_at, std::size_t a_count) {
    m_cells.insert_1(a_at, a_count, GridLayoutCell());
    m_rows.insert(a_at, a_count);
}

void GridLayoutGeometry::insert_columns(std::size_t a_at, std::size_t a_count) {
    m_cells.insert_2(a_at, a_count, GridLayoutCell());
    m_columns.insert(a_at, a_count);
}

void GridLayoutGeometry::remove_rows(std::size_t a_at, std::size_t a_count) {
    m_cells.remove_1(a_at, a_count);
    m_rows.remove(a_at, a_count);
}

void GridLayoutGeometry::remove_columns(std::size_t a_at, std::size_t a_count) {
    m_cells.remove_2(a_at, a_count);
    m_columns.remove(a_at, a_count);
}

void GridLayoutGeometry::move_row(std::size_t a_from, std::size_t a_to) {
    ORVO_ASSERT(a_from < m_rows.size());
    ORVO_ASSERT(a_to < m_rows.size());
    std::vector<GridLayoutCell> moved;
    for (std::size_t column = 0; column < m_columns.size(); ++column)
        moved.push_back(m_cells.get(a_from, column));
    m_cells.remove_1(a_from);
    m_cells.insert_1(a_to);
    for (std::size_t column = 0; column < m_columns.size(); ++column)
        m_cells.get(a_to, column) = moved[column];
    m_rows.move(a_from, a_to);
}

void GridLayoutGeometry::set_cell(std::size_t a_row, std::size_t a_column, Widget* a_widget,
                                  unsigned a_row_span, unsigned a_column_span) {
    GridLayoutCell& cell = m_cells.get(a_row, a_column);
    cell.widget = a_widget;
    cell.row_span = std::max(1u, a_row_span);
    cell.column_span = std::max(1u, a_column_span);
}

std::size_t GridLayoutGeometry::p_row_span(std::size_t a_row, std::size_t a_column) const {
    return std::min<std::size_t>(m_cells.get(a_row, a_column).row_span, m_rows.size() - a_row);
}

std::size_t GridLayoutGeometry::p_column_span(std::size_t a_row, std::size_t a_column) const {
    return std::min<std::size_t>(m_cells.get(a_row, a_column).column_span,
                                 m_columns.size() - a_column);
}

void GridLayoutGeometry::p_update_coverage() {
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        for (std::size_t column = 0; column < m_columns.size(); ++column)
            m_cells.get(row, column).covered = false;
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        for (std::size_t column = 0; column < m_columns.size(); ++column) {
            if (m_cells.get(row, column).covered)
                continue;
            const std::size_t rows = p_row_span(row, column);
            const std::size_t columns = p_column_span(row, column);
            for (std::size_t r = row; r < row + rows; ++r)
                for (std::size_t c = column; c < column + columns; ++c)
                    if (r != row || c != column)
                        m_cells.get(r, c).covered = true;
        }
}

void GridLayoutGeometry::measure(const LimitsOf& a_limits_of) {
    p_update_coverage();
    std::vector<GridLayoutAxisItem> row_items;
    std::vector<GridLayoutAxisItem> column_items;
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        for (std::size_t column = 0; column < m_columns.size(); ++column) {
            const GridLayoutCell& cell = m_cells.get(row, column);
            if (cell.covered || !m_rows.line(row).enabled || !m_columns.line(column).enabled)
                continue;
            const GridLayoutCellLimits limits = a_limits_of(cell);
            if (!limits.active)
                continue;
            column_items.push_back({column, p_column_span(row, column), limits.minimum_width,
                                    limits.maximum_width, limits.current_width});
            row_items.push_back({row, p_row_span(row, column), limits.minimum_height,
                                 limits.maximum_height, limits.current_height});
        }
    m_columns.measure(column_items);
    m_rows.measure(row_items);
}

Rect GridLayoutGeometry::cell_rect(std::size_t a_row, std::size_t a_column) const {
    const GridLayoutExtent x = m_columns.extent(a_column, p_column_span(a_row, a_column));
    const GridLayoutExtent y = m_rows.extent(a_row, p_row_span(a_row, a_column));
    return {x.position, y.position, x.size, y.size};
}

void GridLayoutGeometry::place(int a_width, int a_height, const LimitsOf& a_limits_of,
                               const Placer& a_placer) {
    p_update_coverage();
    m_columns.place(a_width);
    m_rows.place(a_height);
    for (std::size_t row = m_rows.size(); row-- > 0;)
        for (std::size_t column = m_columns.size(); column-- > 0;) {
            const GridLayoutCell& cell = m_cells.get(row, column);
            if (cell.covered || !m_rows.line(row).enabled || !m_columns.line(column).enabled)
                continue;
            if (a_limits_of(cell).active)
                a_placer(cell, cell_rect(row, column));
        }
}

} // namespace Vexa
