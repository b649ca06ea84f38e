#include "vexa/Widgets/Tabs.h"

#include "orvo/Core/Assert.h"
#include "vexa/Layouts/PageLayout.h"
#include "vexa/Widgets/Tab.h"
#include "vexa/Widgets/TabBar.h"

#include <algorithm>

namespace Vexa {

Tabs::Tabs() : m_bar(new TabBar), m_pages(new PageLayout) {
    append(m_bar);
    append(m_pages);
}

std::size_t Tabs::add_tab(std::u16string a_title, Widget* a_page) {
    auto* tab = new Tab(std::move(a_title));
    m_bar->append(tab);
    m_pages->add_page(a_page);
    connect(tab->on_mouse_down(), this, &Tabs::p_on_tab_mouse_down);
    connect(tab->on_keyboard_down(), this, &Tabs::p_on_tab_key_down);
    m_tabs.push_back(tab);
    if (m_tabs.size() == 1)
        tab->set_shown(true);
    return m_tabs.size() - 1;
}

Tab* Tabs::get_tab(std::size_t a_index) const {
    ORVO_ASSERT(a_index < m_tabs.size());
    return m_tabs[a_index];
}

Widget* Tabs::get_page(std::size_t a_index) const {
    ORVO_ASSERT(a_index < m_tabs.size());
    return m_pages->get_page_widget(a_index);
}

void Tabs::select_tab(std::size_t a_index) {
    ORVO_ASSERT(a_index < m_tabs.size());
    if (a_index == m_selected)
        return;
    m_tabs[m_selected]->set_shown(false);
    m_selected = a_index;
    m_tabs[m_selected]->set_shown(true);
    m_pages->set_current_page(a_index);
    TabsEvent event{this, a_index};
    m_on_selection_changed.emit(event);
}

std::size_t Tabs::p_index_of(const Widget* a_tab) const {
    return static_cast<std::size_t>(std::find(m_tabs.begin(), m_tabs.end(), a_tab) -
                                    m_tabs.begin());
}

void Tabs::p_on_tab_mouse_down(InputEvent& a_event) {
    const std::size_t index = p_index_of(a_event.widget);
    if (a_event.button != 1 || index >= m_tabs.size())
        return;
    m_tabs[index]->set_focus(FocusReason_CLICK, a_event.button, a_event.x, a_event.y);
    select_tab(index);
    a_event.consumed = true;
}

void Tabs::p_on_tab_key_down(InputEvent& a_event) {
    if (m_tabs.empty())
        return;
    const std::size_t last = m_tabs.size() - 1;
    std::size_t target = m_selected;
    switch (a_event.key) {
    case KeyCode_LEFT:
        target = m_selected > 0 ? m_selected - 1 : 0;
        break;
    case KeyCode_RIGHT:
        target = std::min(m_selected + 1, last);
        break;
    case KeyCode_HOME:
        target = 0;
        break;
    case KeyCode_END:
        target = last;
        break;
    default:
        return;
    }
    a_event.consumed = true;
    select_tab(target);
    // The focus goes with the selection, so that the keys keep working from the new tab.
    m_tabs[target]->set_focus(FocusReason_PROGRAM);
}

} // namespace Vexa
