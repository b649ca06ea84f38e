#pragma once
// The arithmetic of one axis of a grid (the columns give widths, the rows heights): line limits
// from the cells, the totals the grid reports, and the sharing of the space it is given.

#include "vexa/Layouts/GridLayoutVector.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace Vexa {

// What one cell asks of this axis. The span is already cut at the grid's edge.
struct GridLayoutAxisItem {
    std::size_t first = 0;
    std::size_t span = 1;
    int minimum = 0;
    int maximum = 0;
    // The widget's present size, which the second mode uses instead of the limits.
    int current = 0;
};

enum GridLayoutAxisMode {
    // Lines are measured from the cells' limits and share the space given to the grid.
    GridLayoutAxisMode_MEASURED = 0,
    // Lines are as large as the widgets in them already are; nothing is shared out.
    GridLayoutAxisMode_CURRENT_SIZES = 1,
};

struct GridLayoutExtent {
    int position = 0;
    int size = 0;
    bool operator==(const GridLayoutExtent&) const = default;
};

class GridLayoutAxis {
public:
    static constexpr int largest_size = 65536;

    std::size_t size() const noexcept { return m_lines.size(); }
    GridLayoutVector& line(std::size_t a_index);
    const GridLayoutVector& line(std::size_t a_index) const;

    void insert(std::size_t a_at, std::size_t a_count);
    void remove(std::size_t a_at, std::size_t a_count);
    // The line at `a_from` ends up at index `a_to`; the others keep their order.
    void move(std::size_t a_from, std::size_t a_to);

    void set_spacing(int a_spacing) noexcept { m_spacing = a_spacing < 0 ? 0 : a_spacing; }
    int get_spacing() const noexcept { return m_spacing; }
    void set_equal(bool a_equal) noexcept { m_equal = a_equal; }
    bool is_equal() const noexcept { return m_equal; }
    void set_stretchable(bool a_stretchable) noexcept { m_stretchable = a_stretchable; }
    bool is_stretchable() const noexcept { return m_stretchable; }
    void set_mode(GridLayoutAxisMode a_mode) noexcept { m_mode = a_mode; }
    GridLayoutAxisMode get_mode() const noexcept { return m_mode; }

    // Line limits and totals from the active, uncovered cells.
    void measure(std::span<const GridLayoutAxisItem> a_items);
    int get_total_minimum() const noexcept { return m_total_minimum; }
    int get_total_maximum() const noexcept { return m_total_maximum; }

    // Sizes and positions of the lines in `a_size` pixels (measured mode), or at the sizes
    // measured (second mode); positions start at 0.
    void place(int a_size);
    // The span of lines `a_first` .. `a_first + a_span - 1` with the spacings between them.
    GridLayoutExtent extent(std::size_t a_first, std::size_t a_span) const;

private:
    void p_measure_limits(std::span<const GridLayoutAxisItem> a_items);
    void p_measure_current_sizes(std::span<const GridLayoutAxisItem> a_items);
    std::size_t p_enabled_count() const;
    void p_distribute(std::int64_t a_extra);
    void p_position();

    std::vector<GridLayoutVector> m_lines;
    int m_spacing = 0;
    bool m_equal = false;
    bool m_stretchable = false;
    GridLayoutAxisMode m_mode = GridLayoutAxisMode_MEASURED;
    int m_total_minimum = 0;
    int m_total_maximum = 0;
};

} // namespace Vexa
