#include "vexa/Layouts/BorderLayoutStyleManager.h"

#include "vexa/Layouts/BorderLayout.h"
#include "vexa/Layouts/LayoutStyleSupport.h"
#include "vexa/Styles/StyleValue.h"

namespace Vexa {

namespace {

enum Property {
    HORIZONTAL_SPACES = 0,
    HORIZONTAL_SPACES_LIST = 1,
    SPACE_BOTTOM = 2,
    SPACE_LEFT = 3,
    SPACE_RIGHT = 4,
    SPACE_TOP = 5,
    SPACES = 6,
    SPACES_LIST = 7,
    VERTICAL_SPACES = 8,
    VERTICAL_SPACES_LIST = 9,
};

// The spaces after the property, or nothing when the value is not accepted.
std::optional<BorderLayoutSpaces> changed(BorderLayoutSpaces a_spaces, int a_index,
                                          const StyleValue& a_value) {
    using LayoutStyleSupport::space;
    using LayoutStyleSupport::spaces;
    switch (a_index) {
    case HORIZONTAL_SPACES:
        a_spaces.left = a_spaces.right = space(a_value);
        return a_spaces;
    case HORIZONTAL_SPACES_LIST: {
        const auto pixels = spaces(a_value, {2});
        if (!pixels)
            return std::nullopt;
        a_spaces.left = (*pixels)[0];
        a_spaces.right = (*pixels)[1];
        return a_spaces;
    }
    case SPACE_BOTTOM:
        a_spaces.bottom = space(a_value);
        return a_spaces;
    case SPACE_LEFT:
        a_spaces.left = space(a_value);
        return a_spaces;
    case SPACE_RIGHT:
        a_spaces.right = space(a_value);
        return a_spaces;
    case SPACE_TOP:
        a_spaces.top = space(a_value);
        return a_spaces;
    case SPACES: {
        const int all = space(a_value);
        return BorderLayoutSpaces{all, all, all, all};
    }
    case SPACES_LIST: {
        const auto pixels = spaces(a_value, {2, 4});
        if (!pixels)
            return std::nullopt;
        const std::vector<int>& p = *pixels;
        if (p.size() == 2)
            return BorderLayoutSpaces{p[1], p[1], p[0], p[0]};
        return BorderLayoutSpaces{p[0], p[2], p[3], p[1]};
    }
    case VERTICAL_SPACES:
        a_spaces.top = a_spaces.bottom = space(a_value);
        return a_spaces;
    case VERTICAL_SPACES_LIST: {
        const auto pixels = spaces(a_value, {2});
        if (!pixels)
            return std::nullopt;
        a_spaces.top = (*pixels)[0];
        a_spaces.bottom = (*pixels)[1];
        return a_spaces;
    }
    default:
        return std::nullopt;
    }
}

void apply(Widget& a_widget, int a_index, const StyleValue& a_value) {
    auto* border = dynamic_cast<BorderLayout*>(&a_widget);
    if (!border)
        return;
    if (const auto spaces = changed(border->get_spaces(), a_index, a_value))
        border->set_spaces(*spaces);
}

} // namespace

TableStyleManager::Behaviour BorderLayoutStyleManager::get_behaviour() {
    return {&apply, nullptr, nullptr};
}

void BorderLayoutStyleManager::install(const StyleRegistry& a_registry) {
    LayoutStyleSupport::install(a_registry, u"BorderLayout", get_behaviour());
}

} // namespace Vexa
