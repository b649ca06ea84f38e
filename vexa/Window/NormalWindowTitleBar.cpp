#include "vexa/Window/NormalWindowTitleBar.h"

#include "vexa/Application/Toolkit.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Window/NormalWindow.h"
#include "vexa/Window/NormalWindowCloseButton.h"

namespace Vexa {

NormalWindowTitleBar::NormalWindowTitleBar(NormalWindow& a_window)
    : m_window(a_window), m_close_button(new NormalWindowCloseButton) {
    add_child(m_close_button);
}

int NormalWindowTitleBar::measure_height() {
    return Painter::measure_text(u"Ay", Toolkit::get().get_stock().default_font).height +
           2 * padding;
}

void NormalWindowTitleBar::resized() {
    // The close button is a square as high as the bar, at its right end.
    m_close_button->set_geometry(get_width() - get_height(), 0, get_height(), get_height());
}

bool NormalWindowTitleBar::is_window_active() const {
    return m_window.is_active();
}

void NormalWindowTitleBar::paint_content(Painter& a_painter) {
    const int text_left = 8;
    const int text_width = get_width() - get_height() - text_left;
    if (!get_frame().background.is_null()) {
        // A sheet styles the bar: the frame already painted its background.
        a_painter.draw_text(m_window.get_title(), text_left, 0, text_width, get_height(),
                            TextAlignment_LEFT, TextAlignment_MIDDLE, get_font(), get_text_color());
        return;
    }
    const bool active = m_window.is_active();
    const GdiPlus_Color background(active ? StockObjects::accent.get_argb() : 0xFFC0BCB4);
    a_painter.fill_rectangle({0, 0, get_width(), get_height()}, GdiPlus_Brush(background));
    a_painter.draw_text(m_window.get_title(), text_left, 0, text_width, get_height(),
                        TextAlignment_LEFT, TextAlignment_MIDDLE,
                        Toolkit::get().get_stock().default_font,
                        GdiPlus_Color(active ? 0xFFFFFFFF : 0xFF4A4A4A));
}

void NormalWindowTitleBar::handle_input(InputEvent& a_event) {
    if (!m_window.is_movable())
        return;
    if (a_event.type == InputEventType_MOUSE_DOWN && a_event.button == 1 && !a_event.double_click) {
        m_window.p_begin_move(a_event.desktop_x, a_event.desktop_y);
        a_event.consumed = true;
    } else if (a_event.type == InputEventType_MOUSE_MOVED && m_window.m_moving) {
        m_window.p_move(a_event.desktop_x, a_event.desktop_y);
        a_event.consumed = true;
    } else if (a_event.type == InputEventType_MOUSE_UP && a_event.button == 1) {
        m_window.m_moving = false;
    }
}

} // namespace Vexa
