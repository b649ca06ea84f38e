#include "vexa/GridLayoutBuilder/GridLayoutBuilder.h"

#include "orvo/Core/Assert.h"
#include "vexa/Layouts/GridLayout.h"

namespace Vexa {

GridLayoutBuilder::GridLayoutBuilder(GridLayout* a_grid, GridLayoutDirection a_direction,
                                     std::size_t a_fixed_count, std::size_t a_final_cell_count)
    : m_grid(a_grid), m_order(a_direction, a_fixed_count, a_final_cell_count) {
    ORVO_ASSERT(a_grid);
    if (a_direction == GridLayoutDirection_ROW_MAJOR) {
        if (a_grid->get_column_count() < a_fixed_count)
            a_grid->insert_columns(a_grid->get_column_count(),
                                   a_fixed_count - a_grid->get_column_count());
    } else if (a_grid->get_row_count() < a_fixed_count) {
        a_grid->insert_rows(a_grid->get_row_count(), a_fixed_count - a_grid->get_row_count());
    }
}

GridLayoutPosition GridLayoutBuilder::push(Widget* a_widget) {
    ORVO_ASSERT(can_push(1));
    const GridLayoutPosition position = m_order.next();
    if (position.row >= m_grid->get_row_count())
        m_grid->insert_rows(m_grid->get_row_count(), position.row + 1 - m_grid->get_row_count());
    if (position.column >= m_grid->get_column_count())
        m_grid->insert_columns(m_grid->get_column_count(),
                               position.column + 1 - m_grid->get_column_count());
    if (a_widget)
        m_grid->set_cell(position.row, position.column, a_widget);
    return position;
}

void GridLayoutBuilder::skip(std::size_t a_count) {
    ORVO_ASSERT(can_push(a_count));
    for (std::size_t i = 0; i < a_count; ++i)
        push(nullptr);
}

} // namespace Vexa
