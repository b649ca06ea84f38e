#pragma once
// A grid of one row: widgets side by side, left to right.

#include "vexa/Layouts/GridLayout.h"

namespace Vexa {

class HorizontalLayout : public GridLayout {
public:
    HorizontalLayout() : GridLayout(1, 0) {}
    const char16_t* get_widget_class() const override { return u"HorizontalLayout"; }

    // Adds a column at the right end holding the widget (or nothing); returns its index.
    std::size_t append(Widget* a_widget);
    // Adds a column before `a_at` holding the widget. Fails `a_at <= m_size_2`.
    void insert(std::size_t a_at, Widget* a_widget);
};

} // namespace Vexa
