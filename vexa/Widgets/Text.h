#pragma once
// Text of several lines in the widget's font and "text_color": lines break at '\n' and, with a
// wrap width, between words so that no line is wider than it (a single word wider than the
// width stands on a line of its own). Measured by the lines' widest width and their heights.

#include "vexa/Widget/Widget.h"

#include <string>
#include <vector>

namespace Vexa {

class Text : public Widget {
public:
    explicit Text(std::u16string a_text = {}, int a_wrap_width = 0);
    const char16_t* get_widget_class() const override { return u"Text"; }

    void set_text(std::u16string a_text);
    const std::u16string& get_text() const noexcept { return m_text; }
    // In pixels; 0 breaks only at '\n'.
    void set_wrap_width(int a_width);
    int get_wrap_width() const noexcept { return m_wrap_width; }
    // The lines as they are drawn with the current font.
    std::vector<std::u16string> get_lines() const;

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void paint_content(Painter& a_painter) override;

private:
    std::u16string m_text;
    int m_wrap_width;
};

} // namespace Vexa
