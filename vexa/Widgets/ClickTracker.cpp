#include "vexa/Widgets/ClickTracker.h"

#include "vexa/Graphics/Painter.h"

namespace Vexa {

void ClickTracker::claim_mouse(Widget& a_widget) {
    for (InputEventType type :
         {InputEventType_MOUSE_DOWN, InputEventType_MOUSE_UP, InputEventType_MOUSE_MOVED})
        a_widget.set_input_event_propagation_filter(type, false);
}

bool ClickTracker::track(Widget& a_widget, InputEvent& a_event, bool& a_held) {
    switch (a_event.type) {
    case InputEventType_MOUSE_DOWN:
        if (a_event.button != 1)
            return false;
        a_event.consumed = true;
        if (a_widget.can_focus(FocusReason_CLICK))
            a_widget.set_focus(FocusReason_CLICK, a_event.button, a_event.x, a_event.y);
        a_held = true;
        return false;
    case InputEventType_MOUSE_UP:
        if (a_event.button != 1 || !a_held)
            return false;
        a_event.consumed = true;
        a_held = false;
        return a_event.x >= 0 && a_event.y >= 0 && a_event.x < a_widget.get_width() &&
               a_event.y < a_widget.get_height();
    case InputEventType_KEYBOARD_DOWN:
        if (a_event.key != KeyCode_SPACE && a_event.key != KeyCode_ENTER)
            return false;
        a_event.consumed = true;
        return !a_event.repeat;
    default:
        return false;
    }
}

void ClickTracker::paint_focus(const Widget& a_widget, Painter& a_painter) {
    if (!a_widget.has_focus())
        return;
    const Rect box = a_widget.get_padding_box();
    if (box.width <= 4 || box.height <= 4)
        return;
    const GdiPlus_Color text = a_widget.get_text_color();
    const GdiPlus_Pen ring(GdiPlus_Color((text.get_argb() & 0x00FFFFFF) | 0x70000000), 1);
    a_painter.fill_and_stroke_rectangle(box.x + 2, box.y + 2, box.width - 4, box.height - 4, ring,
                                        GdiPlus_Brush());
}

} // namespace Vexa
