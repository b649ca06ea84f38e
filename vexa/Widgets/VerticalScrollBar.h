#pragma once
// A scroll bar standing along the y axis: the value grows downwards.

#include "vexa/Widgets/ScrollBar.h"

namespace Vexa {

class VerticalScrollBar : public ScrollBar {
public:
    VerticalScrollBar() : ScrollBar(true) {}
    const char16_t* get_widget_class() const override { return u"VerticalScrollBar"; }
};

} // namespace Vexa
