#pragma once
// The cross at the right end of a normal window's title bar. A click asks the window to close.

#include "vexa/Widget/Widget.h"

namespace Vexa {

class NormalWindowCloseButton : public Widget {
public:
    NormalWindowCloseButton();
    const char16_t* get_widget_class() const override { return u"NormalWindowCloseButton"; }

    // Stand-ins for the style values "crossmark_padding" and "crossmark_pen" until style sheets
    // arrive.
    static constexpr int crossmark_padding = 5;

protected:
    void paint_content(Painter& a_painter) override;
    void handle_input(InputEvent& a_event) override;

private:
    bool m_pressed = false;
    bool m_hovered = false;
};

} // namespace Vexa
