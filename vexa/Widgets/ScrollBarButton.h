#pragma once
// An arrow button at one end of a scroll bar: it repeats while held and never takes the focus.

#include "vexa/Widgets/ArrowCommandButton.h"

namespace Vexa {

class ScrollBarButton : public ArrowCommandButton {
public:
    explicit ScrollBarButton(ArrowDirection a_direction) : ArrowCommandButton(a_direction) {
        set_repeating(true);
        set_focus_policy(0);
    }
    const char16_t* get_widget_class() const override { return u"ScrollBarButton"; }
};

} // namespace Vexa
