#include "vexa/GuiBuilder/GB_SingleTabPusher.h"

#include "orvo/Core/Assert.h"
#include "vexa/Widgets/Tabs.h"

namespace Vexa {

GB_SingleTabPusher::GB_SingleTabPusher(Tabs* a_tabs, std::u16string a_title)
    : m_tabs(a_tabs), m_title(std::move(a_title)) {
    ORVO_ASSERT(a_tabs);
}

GB_SingleTabPusher::~GB_SingleTabPusher() {
    if (!m_done)
        m_tabs->add_tab(std::move(m_title), nullptr);
}

void GB_SingleTabPusher::push(Widget* a_widget) {
    ORVO_ASSERT(!m_done);
    m_done = true;
    m_tabs->add_tab(m_title, a_widget);
}

Widget* GB_SingleTabPusher::get_container() const {
    return m_tabs;
}

} // namespace Vexa
