#include "vexa/Layouts/VerticalLayout.h"

namespace Vexa {

std::size_t VerticalLayout::append(Widget* a_widget) {
    const std::size_t at = get_row_count();
    insert(at, a_widget);
    return at;
}

void VerticalLayout::insert(std::size_t a_at, Widget* a_widget) {
    insert_rows(a_at, 1);
    if (a_widget)
        set_cell(a_at, 0, a_widget);
}

} // namespace Vexa
