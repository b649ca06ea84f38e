#pragma once
// The click handling that toggle buttons and check boxes share: button 1 pressed and released
// over the widget, or Space or Enter while it has the focus, counts as one click.

#include "vexa/Widget/Widget.h"

namespace Vexa {

class ClickTracker {
public:
    // Keeps presses, releases and drags from reaching the parent.
    static void claim_mouse(Widget& a_widget);
    // Follows one input event; `a_held` is true while button 1 is down on the widget. Answers
    // whether the event completed a click.
    static bool track(Widget& a_widget, InputEvent& a_event, bool& a_held);
    // A quiet ring in the text colour inside the border while the widget has the focus.
    static void paint_focus(const Widget& a_widget, Painter& a_painter);
};

} // namespace Vexa
