#include "vexa/GuiBuilder/GB_StretchLayoutPusher.h"

#include "orvo/Core/Assert.h"
#include "vexa/Layouts/StretchLayout.h"

namespace Vexa {

GB_StretchLayoutPusher::GB_StretchLayoutPusher(StretchLayout* a_layout) : m_layout(a_layout) {
    ORVO_ASSERT(a_layout);
}

void GB_StretchLayoutPusher::push(Widget* a_widget) {
    ORVO_ASSERT(!m_done);
    m_done = true;
    m_layout->set_widget(a_widget);
}

Widget* GB_StretchLayoutPusher::get_container() const {
    return m_layout;
}

} // namespace Vexa
