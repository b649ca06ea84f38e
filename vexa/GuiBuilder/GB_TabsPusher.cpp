#include "vexa/GuiBuilder/GB_TabsPusher.h"

#include "orvo/Core/Assert.h"
#include "vexa/Widgets/Tabs.h"

namespace Vexa {

GB_TabsPusher::GB_TabsPusher(Tabs* a_tabs) : m_tabs(a_tabs) {
    ORVO_ASSERT(a_tabs);
}

void GB_TabsPusher::push(Widget* a_widget) {
    m_tabs->add_tab(u"", a_widget);
}

Widget* GB_TabsPusher::get_container() const {
    return m_tabs;
}

} // namespace Vexa
