#include "vexa/GuiBuilder/GB_VerticalLayoutPusher.h"

#include "orvo/Core/Assert.h"
#include "vexa/Layouts/VerticalLayout.h"

namespace Vexa {

GB_VerticalLayoutPusher::GB_VerticalLayoutPusher(VerticalLayout* a_layout) : m_layout(a_layout) {
    ORVO_ASSERT(a_layout);
}

void GB_VerticalLayoutPusher::push(Widget* a_widget) {
    m_layout->append(a_widget);
}

Widget* GB_VerticalLayoutPusher::get_container() const {
    return m_layout;
}

} // namespace Vexa
