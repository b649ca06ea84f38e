#include "vexa/Window/HintWindow.h"

#include "vexa/Graphics/Painter.h"

#include <algorithm>

namespace Vexa {

HintWindow::HintWindow() {
    set_can_be_activated(false);
    // The sheet's window background and text colour replace these once it is applied.
    set_frame({SingleBorder(GdiPlus_Color(0xFF808080), GdiPlus_Color(0xFF404040)),
               GdiPlus_Brush(GdiPlus_Color(0xFFFFFFE1))});
    set_paddings({padding, padding, padding, padding});
}

void HintWindow::set_text(std::u16string a_text, int a_x, int a_y, const Rect& a_area) {
    m_text = std::move(a_text);
    const Size text = Painter::measure_text(m_text, get_font());
    const Size extras = get_box_extras();
    const int width = text.width + extras.width;
    const int height = text.height + extras.height;
    const int x = std::clamp(a_x, a_area.x, std::max(a_area.x, a_area.right() - width));
    const int y = std::clamp(a_y, a_area.y, std::max(a_area.y, a_area.bottom() - height));
    set_geometry(x, y, width, height);
    repaint();
}

void HintWindow::paint_content(Painter& a_painter) {
    const Rect content = get_content_rect();
    a_painter.draw_text(m_text, content.x, content.y, content.width, content.height,
                        TextAlignment_LEFT, TextAlignment_MIDDLE, get_font(), get_text_color());
}

} // namespace Vexa
