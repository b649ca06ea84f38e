#pragma once
// A scroll bar lying along the x axis: the value grows to the right.

#include "vexa/Widgets/ScrollBar.h"

namespace Vexa {

class HorizontalScrollBar : public ScrollBar {
public:
    HorizontalScrollBar() : ScrollBar(false) {}
    const char16_t* get_widget_class() const override { return u"HorizontalScrollBar"; }
};

} // namespace Vexa
