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
    const char16_t* get_widget_class() const override { return u"Window"; }

    static constexpr int padding = 4;

protected:
    void paint_content(Painter& a_painter) override;

private:
    std::u16string m_text;
};

} // namespace Vexa
