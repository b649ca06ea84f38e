#include "vexa/Layouts/HorizontalLayout.h"

namespace Vexa {

std::size_t HorizontalLayout::append(Widget* a_widget) {
    const std::size_t at = get_column_count();
    insert(at, a_widget);
    return at;
}

void HorizontalLayout::insert(std::size_t a_at, Widget* a_widget) {
    insert_columns(a_at, 1);
    if (a_widget)
        set_cell(0, a_at, a_widget);
}

} // namespace Vexa
