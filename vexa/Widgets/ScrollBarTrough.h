#pragma once
// The track of a scroll bar that holds its handle. A click before the handle pages back, after
// it pages on.

#include "vexa/Widget/Widget.h"

namespace Vexa {

class ScrollBar;

class ScrollBarTrough : public Widget {
public:
    explicit ScrollBarTrough(ScrollBar& a_bar);
    const char16_t* get_widget_class() const override { return u"ScrollBarTrough"; }

protected:
    void handle_input(InputEvent& a_event) override;
    void resized() override;

private:
    ScrollBar& m_bar;
};

} // namespace Vexa
