#pragma once
// The small window that shows a widget's hint beside the mouse. It never takes activation or
// focus; the desktop opens it when the mouse rests on a widget with a hint and closes it on the
// next press, wheel turn or longer movement.

#include "vexa/Window/Window.h"

#include <string>

namespace Vexa {

class HintWindow : public Window {
public:
    HintWindow();

    // Sizes the window to the text; shown at (a_x, a_y) in desktop coordinates, kept inside
    // a_area.
    void set_text(std::u16string a_text, int a_x, int a_y, const Rect& a_area);
    const std::u16string& get_text() const noexcept { return m_text; }
    const char16_t* get_widget_class() const override { return u"HintWindow"; }

    static constexpr int padding = 4;

protected:
    void paint_content(Painter& a_painter) override;
    void measure_content(WidgetEvents::OnMeasure& a_event) override;

private:
    // Keeps the window at its text's size once the sheet's font and box are known.
    void p_fit(WidgetEvent& a_event);
    void p_place();

    std::u16string m_text;
    int m_x = 0;
    int m_y = 0;
    Rect m_area;
};

} // namespace Vexa
