#include "vexa/Widget/WidgetStyleManager.h"

#include "vexa/Application/Application.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheet.h"
#include "vexa/Styles/StyleValue.h"
#include "vexa/Widget/Widget.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace Vexa {

namespace {

enum Property {
    BACKGROUND = 0,
    BORDER_ = 1,
    ADJUST_HEIGHT = 2,
    ADJUST_WIDTH = 3,
    FIXED_HEIGHT = 4,
    FIXED_SIZE = 5,
    FIXED_SIZE_LIST = 6,
    FIXED_WIDTH = 7,
    FONT = 8,
    FRAME = 9,
    HORIZONTAL_MARGINS = 10,
    HORIZONTAL_PADDING = 11,
    HORIZONTALLY_STRETCHABLE = 12,
    MARGIN_BOTTOM = 13,
    MARGIN_LEFT = 14,
    MARGIN_RIGHT = 15,
    MARGIN_TOP = 16,
    MARGINS = 17,
    MARGINS_LIST = 18,
    MAXIMUM_HEIGHT = 19,
    MAXIMUM_SIZE = 20,
    MAXIMUM_SIZE_LIST = 21,
    MAXIMUM_WIDTH = 22,
    MINIMUM_HEIGHT = 23,
    MINIMUM_SIZE = 24,
    MINIMUM_SIZE_LIST = 25,
    MINIMUM_WIDTH = 26,
    PADDING = 27,
    PADDING_BOTTOM = 28,
    PADDING_LEFT = 29,
    PADDING_LIST = 30,
    PADDING_RIGHT = 31,
    PADDING_TOP = 32,
    VERTICALLY_STRETCHABLE = 33,
    TEXT_COLOR = 34,
    VERTICAL_MARGINS = 35,
    VERTICAL_PADDING = 36,
};

constexpr int MIN_W = WidgetSizeIndex_MIN_WIDTH, MAX_W = WidgetSizeIndex_MAX_WIDTH,
              REQ_W = WidgetSizeIndex_REQUESTED_WIDTH, MIN_H = WidgetSizeIndex_MIN_HEIGHT,
              MAX_H = WidgetSizeIndex_MAX_HEIGHT, REQ_H = WidgetSizeIndex_REQUESTED_HEIGHT;

int side(const StyleValue& a_value) {
    return std::clamp(a_value.to_pixels_int(), 0, widget_size_limit);
}

// The list's dimensions in whole pixels, or nothing when the list holds anything else or has a
// length that is not accepted.
std::optional<std::vector<int>> dimensions(const StyleValue& a_value, std::size_t a_lowest,
                                           std::size_t a_highest) {
    const auto& elements = a_value.get_elements();
    if (elements.size() < a_lowest || elements.size() > a_highest)
        return std::nullopt;
    std::vector<int> pixels;
    for (const StyleValueRef& element : elements) {
        if (!element || element->get_type() != StyleValueType_DIMENSION)
            return std::nullopt;
        pixels.push_back(side(*element));
    }
    return pixels;
}

// 2: vertical, horizontal; 3: top, horizontal, bottom; 4: top, right, bottom, left.
std::optional<BoxSides> sides_from_list(const StyleValue& a_value) {
    const auto pixels = dimensions(a_value, 2, 4);
    if (!pixels)
        return std::nullopt;
    const std::vector<int>& p = *pixels;
    switch (p.size()) {
    case 2:
        return BoxSides{p[0], p[1], p[1], p[0]};
    case 3:
        return BoxSides{p[2], p[1], p[1], p[0]};
    default:
        return BoxSides{p[2], p[3], p[1], p[0]};
    }
}

void set_constraints(Widget& a_widget, std::initializer_list<int> a_indices, int a_value) {
    WidgetSizeValues constraints = a_widget.get_size_constraints();
    for (int index : a_indices)
        constraints[index] = a_value;
    a_widget.set_size_constraints(constraints);
}

void apply_list_size(Widget& a_widget, const StyleValue& a_value,
                     std::initializer_list<int> a_width_indices,
                     std::initializer_list<int> a_height_indices) {
    const auto pixels = dimensions(a_value, 2, 2);
    if (!pixels)
        return;
    WidgetSizeValues constraints = a_widget.get_size_constraints();
    for (int index : a_width_indices)
        constraints[index] = (*pixels)[0];
    for (int index : a_height_indices)
        constraints[index] = (*pixels)[1];
    a_widget.set_size_constraints(constraints);
}

void apply(Widget& a_widget, int a_index, const StyleValue& a_value) {
    BoxSides margins = a_widget.get_margins();
    BoxSides paddings = a_widget.get_paddings();
    switch (a_index) {
    case BACKGROUND:
        return a_widget.set_background(a_value.to_brush());
    case BORDER_:
        return a_widget.set_border(a_value.to_border());
    case ADJUST_HEIGHT:
        return a_widget.set_adjust_height_to_contents(a_value.to_bool());
    case ADJUST_WIDTH:
        return a_widget.set_adjust_width_to_contents(a_value.to_bool());
    case FIXED_HEIGHT:
        return set_constraints(a_widget, {MIN_H, MAX_H, REQ_H}, side(a_value));
    case FIXED_SIZE:
        return set_constraints(a_widget, {MIN_W, MAX_W, REQ_W, MIN_H, MAX_H, REQ_H}, side(a_value));
    case FIXED_SIZE_LIST:
        return apply_list_size(a_widget, a_value, {MIN_W, MAX_W, REQ_W}, {MIN_H, MAX_H, REQ_H});
    case FIXED_WIDTH:
        return set_constraints(a_widget, {MIN_W, MAX_W, REQ_W}, side(a_value));
    case FONT:
        return a_widget.set_font(a_value.to_font());
    case FRAME:
        return a_widget.set_frame(a_value.to_frame());
    case HORIZONTAL_MARGINS:
        margins.left = margins.right = side(a_value);
        return a_widget.set_margins(margins);
    case HORIZONTAL_PADDING:
        paddings.left = paddings.right = side(a_value);
        return a_widget.set_paddings(paddings);
    case HORIZONTALLY_STRETCHABLE:
        return a_widget.set_horizontally_stretchable(a_value.to_bool());
    case MARGIN_BOTTOM:
        margins.bottom = side(a_value);
        return a_widget.set_margins(margins);
    case MARGIN_LEFT:
        margins.left = side(a_value);
        return a_widget.set_margins(margins);
    case MARGIN_RIGHT:
        margins.right = side(a_value);
        return a_widget.set_margins(margins);
    case MARGIN_TOP:
        margins.top = side(a_value);
        return a_widget.set_margins(margins);
    case MARGINS: {
        const int all = side(a_value);
        return a_widget.set_margins({all, all, all, all});
    }
    case MARGINS_LIST:
        if (const auto sides = sides_from_list(a_value))
            a_widget.set_margins(*sides);
        return;
    case MAXIMUM_HEIGHT:
        return set_constraints(a_widget, {MAX_H}, side(a_value));
    case MAXIMUM_SIZE:
        return set_constraints(a_widget, {MAX_W, MAX_H}, side(a_value));
    case MAXIMUM_SIZE_LIST:
        return apply_list_size(a_widget, a_value, {MAX_W}, {MAX_H});
    case MAXIMUM_WIDTH:
        return set_constraints(a_widget, {MAX_W}, side(a_value));
    case MINIMUM_HEIGHT:
        return set_constraints(a_widget, {MIN_H}, side(a_value));
    case MINIMUM_SIZE:
        return set_constraints(a_widget, {MIN_W, MIN_H}, side(a_value));
    case MINIMUM_SIZE_LIST:
        return apply_list_size(a_widget, a_value, {MIN_W}, {MIN_H});
    case MINIMUM_WIDTH:
        return set_constraints(a_widget, {MIN_W}, side(a_value));
    case PADDING: {
        const int all = side(a_value);
        return a_widget.set_paddings({all, all, all, all});
    }
    case PADDING_BOTTOM:
        paddings.bottom = side(a_value);
        return a_widget.set_paddings(paddings);
    case PADDING_LEFT:
        paddings.left = side(a_value);
        return a_widget.set_paddings(paddings);
    case PADDING_LIST:
        if (const auto sides = sides_from_list(a_value))
            a_widget.set_paddings(*sides);
        return;
    case PADDING_RIGHT:
        paddings.right = side(a_value);
        return a_widget.set_paddings(paddings);
    case PADDING_TOP:
        paddings.top = side(a_value);
        return a_widget.set_paddings(paddings);
    case VERTICALLY_STRETCHABLE:
        return a_widget.set_vertically_stretchable(a_value.to_bool());
    case TEXT_COLOR:
        return a_widget.set_text_color(a_value.to_color());
    case VERTICAL_MARGINS:
        margins.top = margins.bottom = side(a_value);
        return a_widget.set_margins(margins);
    case VERTICAL_PADDING:
        paddings.top = paddings.bottom = side(a_value);
        return a_widget.set_paddings(paddings);
    default:
        return;
    }
}

// Only the background follows the parent.
void copy_from_parent(Widget& a_widget, int a_index, Widget& a_parent) {
    if (a_index == BACKGROUND)
        a_widget.set_background(a_parent.get_frame().background);
}

bool switch_state(const Widget& a_widget, int a_index) {
    return a_index == 0 && a_widget.is_enabled();
}

} // namespace

TableStyleManager::Behaviour WidgetStyleManager::get_behaviour() {
    return {&apply, &copy_from_parent, &switch_state};
}

void WidgetStyleManager::install(const StyleRegistry& a_registry) {
    const StyleClass* widget_class = a_registry.find_class(Orvo::WString(u"Widget"));
    if (!widget_class)
        return;
    if (auto* manager = dynamic_cast<TableStyleManager*>(a_registry.get_manager(widget_class->id)))
        manager->set_behaviour(get_behaviour());
}

void WidgetStyleManager::restyle(Widget& a_widget) {
    const Application* application = Application::get();
    if (!application || !application->get_style_sheet())
        return;
    const StyleSheet& sheet = *application->get_style_sheet();
    const StyleRegistry& registry = sheet.get_registry();
    install(registry);
    const StyleClass* style_class = registry.find_class(Orvo::WString(a_widget.get_widget_class()));
    if (!style_class)
        style_class = registry.find_class(Orvo::WString(u"Widget"));
    if (style_class)
        sheet.apply(a_widget, style_class->id, a_widget.get_style_subclass(),
                    a_widget.get_parent());
}

} // namespace Vexa
