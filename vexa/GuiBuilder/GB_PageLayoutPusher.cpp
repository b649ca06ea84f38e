#include "vexa/GuiBuilder/GB_PageLayoutPusher.h"

#include "orvo/Core/Assert.h"
#include "vexa/Layouts/PageLayout.h"

namespace Vexa {

GB_PageLayoutPusher::GB_PageLayoutPusher(PageLayout* a_layout) : m_layout(a_layout) {
    ORVO_ASSERT(a_layout);
}

void GB_PageLayoutPusher::push(Widget* a_widget) {
    m_layout->add_page(a_widget);
}

Widget* GB_PageLayoutPusher::get_container() const {
    return m_layout;
}

} // namespace Vexa
