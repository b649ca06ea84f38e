#pragma once
// Fills a grid layout in reading order: row by row with a fixed number of columns, or column by
// column with a fixed number of rows, adding lines as they are needed.

#include "vexa/Layouts/GridLayoutFillOrder.h"

namespace Vexa {

class GridLayout;
class Widget;

class GridLayoutBuilder {
public:
    // The grid gets at least `a_fixed_count` columns (row-major) or rows (column-major). A final
    // cell count of 0 means no limit.
    GridLayoutBuilder(GridLayout* a_grid, GridLayoutDirection a_direction,
                      std::size_t a_fixed_count, std::size_t a_final_cell_count = 0);

    GridLayout* get_grid() const noexcept { return m_grid; }
    std::size_t get_counter() const noexcept { return m_order.get_counter(); }
    bool can_push(std::size_t a_count) const noexcept { return m_order.can_push(a_count); }
    // Puts the widget (or nothing) into the next cell; fails `can_push(1)`. Returns the cell.
    GridLayoutPosition push(Widget* a_widget);
    // Leaves `a_count` cells empty; all of them must fit the final count.
    void skip(std::size_t a_count);

private:
    GridLayout* m_grid;
    GridLayoutFillOrder m_order;
};

} // namespace Vexa
