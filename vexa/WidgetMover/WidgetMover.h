#pragma once
// Lets the user drag one widget around inside the mover with the left mouse button. The widget
// keeps its requested size and stays inside the mover's content box.

#include "vexa/Layouts/Layout.h"

namespace Vexa {

class WidgetMover : public Layout {
public:
    const char16_t* get_widget_class() const override { return u"WidgetMover"; }

    // Takes the widget; only one, once: fails `!m_widget`.
    void set_widget(Widget* a_widget);
    Widget* get_widget() const noexcept { return m_widget; }
    // The widget's top-left corner, relative to the content box.
    void move_to(int a_x, int a_y);
    int get_x() const noexcept { return m_x; }
    int get_y() const noexcept { return m_y; }
    bool is_dragging() const noexcept { return m_dragging; }

protected:
    void measure_children(WidgetEvents::OnMeasure& a_event) override;
    void place_children(const Rect& a_content) override;
    void child_leaving(Widget* a_child) override;

private:
    void p_on_mouse_down(InputEvent& a_event);
    void p_on_mouse_moved(InputEvent& a_event);
    void p_on_mouse_up(InputEvent& a_event);

    Widget* m_widget = nullptr;
    int m_x = 0;
    int m_y = 0;
    bool m_dragging = false;
    int m_grab_x = 0; // desktop position of the press
    int m_grab_y = 0;
    int m_start_x = 0; // the widget's corner at the press
    int m_start_y = 0;
};

} // namespace Vexa
