#pragma once
// The slider of a scroll bar. Dragged with button 1, it reports where the pointer would put its
// leading edge, in its trough's coordinates along the bar, keeping the point where it was taken.

#include "vexa/Widget/Widget.h"

namespace Vexa {

class ScrollBar;

class ScrollBarHandle : public Widget {
public:
    explicit ScrollBarHandle(ScrollBar& a_bar);
    const char16_t* get_widget_class() const override { return u"ScrollBarHandle"; }
    bool is_dragged() const noexcept { return m_dragged; }

protected:
    void handle_input(InputEvent& a_event) override;

private:
    ScrollBar& m_bar;
    bool m_dragged = false;
    int m_grip = 0; // where along the handle it was taken
};

} // namespace Vexa
