#include "tonekit/Gui/DeviceGuiCriticalError.h"

#include "vexa/Graphics/GdiPlus_Brush.h"
#include "vexa/Graphics/GdiPlus_Font.h"
#include "vexa/Graphics/GdiPlus_Pen.h"
#include "vexa/Graphics/Painter.h"

#include <algorithm>

namespace Tonekit {
namespace {

constexpr int panel_margin = 24;
constexpr int text_padding = 20;
constexpr Vexa::GdiPlus_Color background_color(0xFFE8E6E1);
constexpr Vexa::GdiPlus_Color panel_color(0xFFF7F6F3);
constexpr Vexa::GdiPlus_Color panel_border_color(0xFFB9B4AA);
constexpr Vexa::GdiPlus_Color accent_color(0xFFC8553D);
constexpr Vexa::GdiPlus_Color text_color(0xFF3B3A36);

Vexa::GdiPlus_Font message_font() {
    return Vexa::GdiPlus_Font(u"DejaVu Sans", 14, Vexa::FontSizeUnit_PIXEL);
}

} // namespace

DeviceGuiCriticalError::DeviceGuiCriticalError(Device& a_device, std::u16string a_message)
    : DeviceGui(a_device), m_message(std::move(a_message)) {}

void DeviceGuiCriticalError::measure_content(Vexa::WidgetEvents::OnMeasure& a_event) {
    const Vexa::Size text = Vexa::Painter::measure_text(m_message, message_font());
    const int content_width = text.width + 2 * (panel_margin + text_padding);
    const int content_height = text.height + 2 * (panel_margin + text_padding);
    a_event.minimum.width += std::min(content_width, 240);
    a_event.minimum.height += content_height;
    a_event.requested.width += std::max(content_width, 420);
    a_event.requested.height += std::max(content_height, 160);
}

void DeviceGuiCriticalError::paint_content(Vexa::Painter& a_painter) {
    const int width = get_width();
    const int height = get_height();
    a_painter.fill_rectangle({0, 0, width, height}, Vexa::GdiPlus_Brush(background_color));
    const Vexa::Rect panel{panel_margin, panel_margin, std::max(0, width - 2 * panel_margin),
                           std::max(0, height - 2 * panel_margin)};
    a_painter.fill_and_stroke_rectangle(panel.x, panel.y, panel.width, panel.height,
                                        Vexa::GdiPlus_Pen(panel_border_color, 1),
                                        Vexa::GdiPlus_Brush(panel_color));
    // A thin bar on the left says "attention" without shouting.
    a_painter.fill_rectangle({panel.x + 1, panel.y + 1, 4, std::max(0, panel.height - 2)},
                             Vexa::GdiPlus_Brush(accent_color));
    a_painter.draw_text(m_message, panel.x + text_padding, panel.y,
                        std::max(0, panel.width - 2 * text_padding), panel.height,
                        Vexa::TextAlignment_CENTER, Vexa::TextAlignment_MIDDLE, message_font(),
                        text_color);
}

} // namespace Tonekit
