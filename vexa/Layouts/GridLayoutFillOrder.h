#pragma once
// The order in which a grid builder fills cells: row by row with a fixed number of columns, or
// column by column with a fixed number of rows, optionally up to a final number of cells.

#include <cstddef>

namespace Vexa {

enum GridLayoutDirection {
    GridLayoutDirection_ROW_MAJOR = 0,
    GridLayoutDirection_COLUMN_MAJOR = 1,
};

struct GridLayoutPosition {
    std::size_t row = 0;
    std::size_t column = 0;
    bool operator==(const GridLayoutPosition&) const = default;
};

class GridLayoutFillOrder {
public:
    // `a_fixed_count` columns (row-major) or rows (column-major), at least 1; a final count of 0
    // means no limit.
    GridLayoutFillOrder(GridLayoutDirection a_direction, std::size_t a_fixed_count,
                        std::size_t a_final_cell_count = 0);

    GridLayoutDirection get_direction() const noexcept { return m_direction; }
    std::size_t get_fixed_count() const noexcept { return m_fixed_count; }
    std::size_t get_counter() const noexcept { return m_counter; }
    bool can_push(std::size_t a_count) const noexcept;
    // The cell the next push goes to; fails `can_push(1)`. The grid must grow to hold it.
    GridLayoutPosition next();

private:
    GridLayoutDirection m_direction;
    std::size_t m_fixed_count;
    std::size_t m_final_cell_count;
    std::size_t m_counter = 0;
};

} // namespace Vexa
