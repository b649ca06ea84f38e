#pragma once
// A command button showing a filled triangle that points up, down, left or right, drawn with the
// painter's arrow operation from "arrow_length", "arrow_breadth", "arrow_offset", "arrow_brush"
// and "arrow_pen". Without a sheet's brush, and while disabled, the arrow is filled with the text
// colour (which the sheet dims for disabled widgets).

#include "vexa/Graphics/GdiPlus_Brush.h"
#include "vexa/Graphics/GdiPlus_Pen.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/CommandButton.h"

namespace Vexa {

struct ArrowStyle {
    float length = 4.0f;
    float breadth = 8.0f;
    float offset = 2.0f;
    GdiPlus_Brush brush;
    GdiPlus_Pen pen;
};

class ArrowCommandButton : public CommandButton {
public:
    explicit ArrowCommandButton(ArrowDirection a_direction = ArrowDirection_DOWN);
    const char16_t* get_widget_class() const override { return u"ArrowCommandButton"; }

    void set_direction(ArrowDirection a_direction);
    ArrowDirection get_direction() const noexcept { return m_direction; }
    void set_arrow_style(const ArrowStyle& a_style);
    const ArrowStyle& get_arrow_style() const noexcept { return m_arrow; }

protected:
    // The arrow's extent along and across its direction.
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void paint_contents(Painter& a_painter, const Rect& a_contents) override;

private:
    ArrowDirection m_direction;
    ArrowStyle m_arrow;
};

} // namespace Vexa
