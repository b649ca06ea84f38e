#include "vexa/Layouts/GridLayoutFillOrder.h"

#include "orvo/Core/Assert.h"

#include <algorithm>

namespace Vexa {

GridLayoutFillOrder::GridLayoutFillOrder(GridLayoutDirection a_direction, std::size_t a_fixed_count,
                                         std::size_t a_final_cell_count)
    : m_direction(a_direction), m_fixed_count(a_fixed_count),
      m_final_cell_count(a_final_cell_count) {
    ORVO_ASSERT(a_fixed_count > 0);
}

bool GridLayoutFillOrder::can_push(std::size_t a_count) const noexcept {
    return m_final_cell_count == 0 ||
           a_count <= m_final_cell_count - std::min(m_counter, m_final_cell_count);
}

GridLayoutPosition GridLayoutFillOrder::next() {
    ORVO_ASSERT(can_push(1));
    // The line index is ceiling((counter + 1) / fixed) - 1, the position in it what remains.
    const std::size_t line = (m_counter + m_fixed_count) / m_fixed_count - 1;
    const std::size_t within = m_counter - m_fixed_count * line;
    ++m_counter;
    if (m_direction == GridLayoutDirection_ROW_MAJOR)
        return {line, within};
    return {within, line};
}

} // namespace Vexa
