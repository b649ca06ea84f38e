#pragma once
// A grid of one column: widgets stacked top to bottom.

#include "vexa/Layouts/GridLayout.h"

namespace Vexa {

class VerticalLayout : public GridLayout {
public:
    VerticalLayout() : GridLayout(0, 1) {}
    const char16_t* get_widget_class() const override { return u"VerticalLayout"; }

    // Adds a row at the bottom holding the widget (or nothing); returns its index.
    std::size_t append(Widget* a_widget);
    // Adds a row before `a_at` holding the widget. Fails `a_at <= m_size_1`.
    void insert(std::size_t a_at, Widget* a_widget);
};

} // namespace Vexa
