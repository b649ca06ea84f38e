#pragma once
// A button that stays in or out: a click (press and release over it), Space or Enter flips its
// "toggled" switch and reports the change. While toggled, or while held, its contents move by
// "pushed_contents_offset". Derived buttons paint their contents in paint_contents.

#include "vexa/Widget/Widget.h"
#include "vexa/Widgets/StandardWidgetStyles.h"

namespace Vexa {

class ToggleButton;

namespace ToggleButtonEvents {
struct OnToggled {
    ToggleButton* button;
    bool toggled;
};
} // namespace ToggleButtonEvents

class ToggleButton : public Widget {
public:
    ToggleButton();
    const char16_t* get_widget_class() const override { return u"ToggleButton"; }

    bool is_toggled() const noexcept { return m_toggled; }
    // Emits OnToggled on a real change, whoever makes it.
    void set_toggled(bool a_toggled);

    void set_pushed_contents_offset(ContentsOffset a_offset);
    ContentsOffset get_pushed_contents_offset() const noexcept { return m_pushed_offset; }
    Rect get_contents_rect() const;

    Orvo::Signal1<ToggleButtonEvents::OnToggled&> m_on_toggled;

protected:
    void handle_input(InputEvent& a_event) override;
    void paint_content(Painter& a_painter) override;
    virtual void paint_contents(Painter& a_painter, const Rect& a_contents);

private:
    bool m_toggled = false;
    bool m_held = false;
    ContentsOffset m_pushed_offset;
};

} // namespace Vexa
