#include "vexa/Layouts/GridLayoutStyleManager.h"

#include "vexa/Layouts/GridLayout.h"
#include "vexa/Layouts/LayoutStyleSupport.h"
#include "vexa/Styles/StyleValue.h"

namespace Vexa {

namespace {

enum Property {
    EQUAL_COLUMN_WIDTHS = 0,
    EQUAL_ROW_HEIGHTS = 1,
    HORIZONTAL_SPACING = 2,
    SPACING = 3,
    SPACING_LIST = 4,
    VERTICAL_SPACING = 5,
};

void apply(Widget& a_widget, int a_index, const StyleValue& a_value) {
    auto* grid = dynamic_cast<GridLayout*>(&a_widget);
    if (!grid)
        return;
    using LayoutStyleSupport::space;
    switch (a_index) {
    case EQUAL_COLUMN_WIDTHS:
        return grid->set_equal_column_widths(a_value.to_bool());
    case EQUAL_ROW_HEIGHTS:
        return grid->set_equal_row_heights(a_value.to_bool());
    case HORIZONTAL_SPACING:
        return grid->set_horizontal_spacing(space(a_value));
    case SPACING:
        grid->set_horizontal_spacing(space(a_value));
        return grid->set_vertical_spacing(space(a_value));
    case SPACING_LIST:
        if (const auto pixels = LayoutStyleSupport::spaces(a_value, {2})) {
            grid->set_horizontal_spacing((*pixels)[0]);
            grid->set_vertical_spacing((*pixels)[1]);
        }
        return;
    case VERTICAL_SPACING:
        return grid->set_vertical_spacing(space(a_value));
    default:
        return;
    }
}

} // namespace

TableStyleManager::Behaviour GridLayoutStyleManager::get_behaviour() {
    return {&apply, nullptr, nullptr};
}

void GridLayoutStyleManager::install(const StyleRegistry& a_registry) {
    LayoutStyleSupport::install(a_registry, u"GridLayout", get_behaviour());
}

} // namespace Vexa
