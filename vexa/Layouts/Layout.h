#pragma once
// The base of every layout: a widget that adds its children's needs to its own measurement and
// gives each child a rectangle inside its content box when it is placed.

#include "vexa/Widget/Widget.h"

#include <memory>
#include <vector>

namespace Vexa {

class StyleRegistry;
class StyleSheet;

class Layout : public Widget {
public:
    Layout();
    const char16_t* get_widget_class() const override { return u"Layout"; }

    // A debugging aid for the whole process: every layout outlines its cells.
    static void set_outlines_shown(bool a_shown) noexcept;
    static bool are_outlines_shown() noexcept;

protected:
    // Adds what the children need to the six values (see WidgetEvents::OnMeasure).
    virtual void measure_children(WidgetEvents::OnMeasure& a_event) = 0;
    // Gives every child its rectangle; `a_content` is the content box in own coordinates.
    virtual void place_children(const Rect& a_content) = 0;
    // The cells to outline, in own coordinates.
    virtual void collect_cells(std::vector<Rect>& a_cells) const;

    void paint_content(Painter& a_painter) override;

    // A child counts only while it is not hidden.
    static bool is_active(const Widget* a_child) noexcept {
        return a_child && !a_child->is_hidden();
    }
    // Adds a content of these limits to the measurement: its minimum and requested to theirs, and
    // the maximum as the box extras plus the content's maximum.
    static void add_content(WidgetEvents::OnMeasure& a_event, int a_minimum_width,
                            int a_maximum_width, int a_requested_width, int a_minimum_height,
                            int a_maximum_height, int a_requested_height);
    // A child leaves the layout: forget it in the layout's own bookkeeping. Called when a child is
    // being destroyed (while it is still a child).
    virtual void child_leaving(Widget* a_child);
    // Adopts the child and follows its destruction.
    void adopt(Widget* a_child);
    // Layouts with style properties of their own give their managers their behaviour here and
    // answer true.
    virtual bool install_style_behaviour(const StyleRegistry& a_registry);
    // For the constructors of those layouts: installs for the application's style sheet, and
    // again for every later sheet (restyling the layout, whose values were dropped before).
    void follow_style_sheet();

private:
    void p_on_measure(WidgetEvents::OnMeasure& a_event);
    void p_on_placement(WidgetEvent& a_event);
    void p_on_child_destroying(WidgetEvent& a_event);

    std::weak_ptr<const StyleSheet> m_installed_sheet;
};

} // namespace Vexa
