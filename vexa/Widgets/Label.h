#pragma once
// One line of text in the widget's font and "text_color", measured by the text's size. The text
// sits in the content box with the chosen alignment (left and middle unless told).

#include "vexa/Graphics/Painter.h"
#include "vexa/Widget/Widget.h"

#include <string>

namespace Vexa {

class Label : public Widget {
public:
    explicit Label(std::u16string a_text = {});
    const char16_t* get_widget_class() const override { return u"Label"; }

    void set_text(std::u16string a_text);
    const std::u16string& get_text() const noexcept { return m_text; }
    // TextAlignment values.
    void set_alignment(int a_horizontal, int a_vertical);

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void paint_content(Painter& a_painter) override;

private:
    std::u16string m_text;
    int m_horizontal_alignment = TextAlignment_LEFT;
    int m_vertical_alignment = TextAlignment_MIDDLE;
};

} // namespace Vexa
