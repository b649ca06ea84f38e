#pragma once
// A normal window's title bar: the title, the close button at its right end, and the handle that
// drags a movable window.

#include "vexa/Widget/Widget.h"

namespace Vexa {

class NormalWindow;
class NormalWindowCloseButton;

class NormalWindowTitleBar : public Widget {
public:
    // The "active" switch of its style class.
    bool is_window_active() const;
    explicit NormalWindowTitleBar(NormalWindow& a_window);
    NormalWindowCloseButton* get_close_button() const noexcept { return m_close_button; }
    const char16_t* get_widget_class() const override { return u"NormalWindowTitleBar"; }
    // As high as "Ay" in the default font, with a padding of `padding` above and below.
    static int measure_height();
    static constexpr int padding = 4;
    static constexpr int minimum_width = 100;

protected:
    void paint_content(Painter& a_painter) override;
    void handle_input(InputEvent& a_event) override;
    void resized() override;

private:
    NormalWindow& m_window;
    NormalWindowCloseButton* m_close_button;
};

} // namespace Vexa
