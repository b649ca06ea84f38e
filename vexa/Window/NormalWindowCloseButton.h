#pragma once
// The cross at the right end of a normal window's title bar: a command button whose action asks
// the window to close. The cross lies "crossmark_padding" inside the button, drawn with
// "crossmark_pen"; the pointer resting on it lightens the face.

#include "vexa/Graphics/GdiPlus_Pen.h"
#include "vexa/Widgets/CommandButton.h"

namespace Vexa {

class NormalWindowCloseButton : public CommandButton {
public:
    static constexpr int default_crossmark_padding = 5;

    NormalWindowCloseButton();
    const char16_t* get_widget_class() const override { return u"NormalWindowCloseButton"; }

    void set_crossmark_padding(int a_padding);
    int get_crossmark_padding() const noexcept { return m_crossmark_padding; }
    void set_crossmark_pen(const GdiPlus_Pen& a_pen);

protected:
    void paint_content(Painter& a_painter) override;
    void handle_input(InputEvent& a_event) override;

private:
    void p_on_action(CommandButtonEvents::OnAction& a_event);

    bool m_hovered = false;
    int m_crossmark_padding = default_crossmark_padding;
    GdiPlus_Pen m_crossmark_pen{GdiPlus_Color(0xFFFFFFFF), 2};
};

} // namespace Vexa
