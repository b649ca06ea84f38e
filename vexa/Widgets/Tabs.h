#pragma once
// Pages under a bar of tabs: a click on a tab shows its page, and while a tab has the keyboard
// focus Left and Right (Home and End) show the neighbouring (first, last) page. The first tab
// added is shown.
//
//     auto* tabs = new Tabs;
//     tabs->add_tab(u"Rate", rate_page);
//     tabs->add_tab(u"Depth", depth_page);
//     connect(tabs->m_on_selection_changed, this, &Editor::on_page);

#include "orvo/Signals/Signal1.h"
#include "vexa/Layouts/VerticalLayout.h"

#include <string>
#include <vector>

namespace Vexa {

class PageLayout;
class Tab;
class TabBar;
class Tabs;

struct TabsEvent {
    Tabs* tabs;
    std::size_t index; // the tab shown now
};

class Tabs : public VerticalLayout {
public:
    Tabs();
    const char16_t* get_widget_class() const override { return u"Tabs"; }

    // Adds a tab with the page (or an empty one) at the end; returns its index.
    std::size_t add_tab(std::u16string a_title, Widget* a_page);
    std::size_t get_tab_count() const noexcept { return m_tabs.size(); }
    // Both fail `a_index < m_tabs.size()`.
    Tab* get_tab(std::size_t a_index) const;
    Widget* get_page(std::size_t a_index) const;

    // Shows the tab's page and emits the selection signal when it changes; fails
    // `a_index < m_tabs.size()`.
    void select_tab(std::size_t a_index);
    // The shown tab; 0 while there is none.
    std::size_t get_selected_tab() const noexcept { return m_selected; }

    TabBar* get_tab_bar() const noexcept { return m_bar; }
    PageLayout* get_pages() const noexcept { return m_pages; }

    Orvo::Signal1<TabsEvent&> m_on_selection_changed;

private:
    void p_on_tab_mouse_down(InputEvent& a_event);
    void p_on_tab_key_down(InputEvent& a_event);
    std::size_t p_index_of(const Widget* a_tab) const;

    TabBar* m_bar;
    PageLayout* m_pages;
    std::vector<Tab*> m_tabs;
    std::size_t m_selected = 0;
};

} // namespace Vexa
