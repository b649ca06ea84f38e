#pragma once
// The cells of a grid and its two axes: which cells spans cover, what the grid needs, and the
// rectangle every cell gets. It knows nothing of widgets beyond the limits it is handed, so the
// grid layout and its tests share one piece of arithmetic.

#include "orvo/Containers/Matrix.h"
#include "vexa/Graphics/Geometry.h"
#include "vexa/Layouts/GridLayoutAxis.h"
#include "vexa/Layouts/GridLayoutCell.h"

#include <cstddef>
#include <functional>

namespace Vexa {

class GridLayoutGeometry {
public:
    using LimitsOf = std::function<GridLayoutCellLimits(const GridLayoutCell&)>;
    using Placer = std::function<void(const GridLayoutCell&, const Rect&)>;

    std::size_t get_row_count() const noexcept { return m_rows.size(); }
    std::size_t get_column_count() const noexcept { return m_columns.size(); }
    GridLayoutCell& cell(std::size_t a_row, std::size_t a_column);
    const GridLayoutCell& cell(std::size_t a_row, std::size_t a_column) const;

    void insert_rows(std::size_t a_at, std::size_t a_count);
    void insert_columns(std::size_t a_at, std::size_t a_count);
    void remove_rows(std::size_t a_at, std::size_t a_count);
    void remove_columns(std::size_t a_at, std::size_t a_count);
    void move_row(std::size_t a_from, std::size_t a_to);
    // Spans below 1 count as 1; spans past the edge are cut when measuring.
    void set_cell(std::size_t a_row, std::size_t a_column, Widget* a_widget,
                  unsigned a_row_span = 1, unsigned a_column_span = 1);

    GridLayoutAxis& rows() noexcept { return m_rows; }
    GridLayoutAxis& columns() noexcept { return m_columns; }
    const GridLayoutAxis& rows() const noexcept { return m_rows; }
    const GridLayoutAxis& columns() const noexcept { return m_columns; }

    // Marks covered cells, then measures both axes; the totals are then on the axes.
    void measure(const LimitsOf& a_limits_of);
    // Lays the lines out in `a_width` × `a_height` and hands every active, uncovered cell its
    // rectangle (relative to the grid's content origin), from the last cell to the first.
    void place(int a_width, int a_height, const LimitsOf& a_limits_of, const Placer& a_placer);
    Rect cell_rect(std::size_t a_row, std::size_t a_column) const;

private:
    void p_update_coverage();
    std::size_t p_row_span(std::size_t a_row, std::size_t a_column) const;
    std::size_t p_column_span(std::size_t a_row, std::size_t a_column) const;

    Orvo::Matrix<GridLayoutCell> m_cells;
    GridLayoutAxis m_rows;
    GridLayoutAxis m_columns;
};

} // namespace Vexa
