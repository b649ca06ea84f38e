#pragma once
// The events a widget's signals carry. Input signals carry the input event itself; the others
// carry the records below. Plain notifications carry a WidgetEvent naming the widget.

#include "vexa/Graphics/Geometry.h"
#include "vexa/Widget/InputEvent.h"

namespace Vexa {

class Desktop;

struct WidgetEvent {
    Widget* widget = nullptr;
};

namespace WidgetEvents {

struct OnDesktopChanged {
    Widget* widget;
    Desktop* old_desktop;
    Desktop* new_desktop;
};

struct OnGeometryChanged {
    Widget* widget;
    Rect old_rect;
    Rect new_rect;
};

struct OnFocusIn {
    Widget* widget;
    int reason;
    int button; // of the click that gave focus; 0 otherwise
    int x;      // the click in the widget's coordinates
    int y;
};

struct OnFocusOut {
    Widget* widget;
};

// The six sizes as three width/height pairs. They start at the box extras (margins, border,
// padding) for minimum and requested, and at the size limit for maximum; slots add what the
// content needs. A slot that bounds its content sets maximum to `extras` plus the content's
// maximum.
struct OnMeasure {
    Widget* widget;
    Size minimum;
    Size maximum;
    Size requested;
    Size extras;
};

using OnKeyboardDown = InputEvent;
using OnKeyboardUp = InputEvent;
using OnKeyboardString = InputEvent;
using OnMouseDown = InputEvent;
using OnMouseHover = InputEvent;
using OnMouseOut = InputEvent;
using OnMouseOver = InputEvent;
using OnMouseMoved = InputEvent;
using OnMouseUp = InputEvent;
using OnMouseWheel = InputEvent;
using OnPaint = PaintEvent;

} // namespace WidgetEvents

} // namespace Vexa
