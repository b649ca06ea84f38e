#pragma once
// A stack of pages of which one is shown; it measures as the largest of its pages, so that
// switching pages never changes its size.

#include "vexa/Layouts/Layout.h"

#include <vector>

namespace Vexa {

struct PageLayoutPage {
    Widget* widget = nullptr;
};

class PageLayout : public Layout {
public:
    const char16_t* get_widget_class() const override { return u"PageLayout"; }

    // Adds a page holding the widget (or nothing) at the end; returns its index. The first page
    // added is the current one; the others are hidden.
    std::size_t add_page(Widget* a_widget);
    std::size_t get_page_count() const noexcept { return m_pages.size(); }
    Widget* get_page_widget(std::size_t a_page) const;
    // Fails `a_page < m_pages.size()`.
    void set_current_page(std::size_t a_page);
    std::size_t get_current_page() const noexcept { return m_current; }

protected:
    void measure_children(WidgetEvents::OnMeasure& a_event) override;
    void place_children(const Rect& a_content) override;
    void collect_cells(std::vector<Rect>& a_cells) const override;
    void child_leaving(Widget* a_child) override;

private:
    std::vector<PageLayoutPage> m_pages;
    std::size_t m_current = 0;
};

} // namespace Vexa
