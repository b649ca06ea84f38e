#pragma once
// A command button with a one-line caption, centred in its contents and measured by its size.

#include "vexa/Widgets/CommandButton.h"

#include <string>

namespace Vexa {

class TextCommandButton : public CommandButton {
public:
    explicit TextCommandButton(std::u16string a_text = {});
    const char16_t* get_widget_class() const override { return u"TextCommandButton"; }

    void set_text(std::u16string a_text);
    const std::u16string& get_text() const noexcept { return m_text; }

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void paint_contents(Painter& a_painter, const Rect& a_contents) override;

private:
    std::u16string m_text;
};

} // namespace Vexa
