#include "vexa/Widgets/ComboBoxStyleManager.h"

#include "vexa/Layouts/LayoutStyleSupport.h"
#include "vexa/Styles/StyleValue.h"
#include "vexa/Widgets/ComboBox.h"

namespace Vexa {

namespace {

enum Property {
    ARROW_BOX_WIDTH = 0,
    ARROW_BREADTH = 1,
    ARROW_BRUSH = 2,
    ARROW_LENGTH = 3,
    ARROW_OFFSET = 4,
    ARROW_PEN = 5,
    TEXT_ARROW_SPACE = 6,
};

void apply(Widget& a_widget, int a_index, const StyleValue& a_value) {
    auto* box = dynamic_cast<ComboBox*>(&a_widget);
    if (!box)
        return;
    switch (a_index) {
    case ARROW_BOX_WIDTH:
        return box->set_arrow_box_width(LayoutStyleSupport::space(a_value));
    case ARROW_BREADTH:
    case ARROW_LENGTH:
    case ARROW_OFFSET: {
        // The triangle is kept as three numbers; each property replaces one of them.
        const float pixels = static_cast<float>(a_value.to_pixels_float());
        float length = box->get_arrow_length(), breadth = box->get_arrow_breadth(),
              offset = box->get_arrow_offset();
        (a_index == ARROW_BREADTH ? breadth : a_index == ARROW_LENGTH ? length : offset) = pixels;
        return box->set_arrow_geometry(length, breadth, offset);
    }
    case ARROW_BRUSH:
        return box->set_arrow_brush(a_value.to_brush());
    case ARROW_PEN:
        return box->set_arrow_pen(a_value.to_pen());
    case TEXT_ARROW_SPACE:
        return box->set_text_arrow_space(LayoutStyleSupport::space(a_value));
    default:
        return;
    }
}

} // namespace

TableStyleManager::Behaviour ComboBoxStyleManager::get_behaviour() {
    return {&apply, nullptr, nullptr};
}

void ComboBoxStyleManager::install(const StyleRegistry& a_registry) {
    LayoutStyleSupport::install(a_registry, u"ComboBox", get_behaviour());
}

} // namespace Vexa
