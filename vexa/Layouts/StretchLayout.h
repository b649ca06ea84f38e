#pragma once
// One child that fills the layout; the layout's sizes are the child's.

#include "vexa/Layouts/Layout.h"

namespace Vexa {

class StretchLayout : public Layout {
public:
    const char16_t* get_widget_class() const override { return u"StretchLayout"; }

    // Puts the widget (or none) in; a widget that was there is destroyed.
    void set_widget(Widget* a_widget);
    Widget* get_widget() const noexcept { return m_widget; }

protected:
    void measure_children(WidgetEvents::OnMeasure& a_event) override;
    void place_children(const Rect& a_content) override;
    void collect_cells(std::vector<Rect>& a_cells) const override;
    void child_leaving(Widget* a_child) override;

private:
    Widget* m_widget = nullptr;
};

} // namespace Vexa
