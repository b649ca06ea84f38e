#include "vexa/GuiBuilder/GB_HorizontalLayoutPusher.h"

#include "orvo/Core/Assert.h"
#include "vexa/Layouts/HorizontalLayout.h"

namespace Vexa {

GB_HorizontalLayoutPusher::GB_HorizontalLayoutPusher(HorizontalLayout* a_layout)
    : m_layout(a_layout) {
    ORVO_ASSERT(a_layout);
}

void GB_HorizontalLayoutPusher::push(Widget* a_widget) {
    m_layout->append(a_widget);
}

Widget* GB_HorizontalLayoutPusher::get_container() const {
    return m_layout;
}

} // namespace Vexa
