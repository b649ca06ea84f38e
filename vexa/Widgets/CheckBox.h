#pragma once
// A box that is checked or not: a click, Space or Enter flips its "checked" switch and reports
// the change. A checked box shows a cross drawn with "crossmark_pen", "crossmark_padding" pixels
// inside its border box.

#include "vexa/Graphics/GdiPlus_Pen.h"
#include "vexa/Widget/Widget.h"

namespace Vexa {

class CheckBox;

namespace CheckBoxEvents {
struct OnChanged {
    CheckBox* check_box;
    bool checked;
};
} // namespace CheckBoxEvents

class CheckBox : public Widget {
public:
    static constexpr int default_crossmark_padding = 3;

    CheckBox();
    const char16_t* get_widget_class() const override { return u"CheckBox"; }

    bool is_checked() const noexcept { return m_checked; }
    // Emits OnChanged on a real change, whoever makes it.
    void set_checked(bool a_checked);

    void set_crossmark_padding(int a_padding);
    int get_crossmark_padding() const noexcept { return m_crossmark_padding; }
    // A null pen draws the cross with the text colour.
    void set_crossmark_pen(const GdiPlus_Pen& a_pen);
    const GdiPlus_Pen& get_crossmark_pen() const noexcept { return m_crossmark_pen; }

    Orvo::Signal1<CheckBoxEvents::OnChanged&> m_on_changed;

protected:
    // Room for the cross: its padding on both sides and a few pixels of stroke.
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void handle_input(InputEvent& a_event) override;
    void paint_content(Painter& a_painter) override;

private:
    bool m_checked = false;
    bool m_held = false;
    int m_crossmark_padding = default_crossmark_padding;
    GdiPlus_Pen m_crossmark_pen;
};

} // namespace Vexa
