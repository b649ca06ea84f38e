#include "vexa/Window/NormalWindow.h"

#include "vexa/Window/NormalWindowCloseButton.h"
#include "vexa/Window/NormalWindowContents.h"
#include "vexa/Window/NormalWindowTitleBar.h"

#include "vexa/Desktop/Desktop.h"

#include <algorithm>
#include <utility>

namespace Vexa {

NormalWindow::NormalWindow(std::u16string a_title)
    : m_title(std::move(a_title)), m_title_bar(new NormalWindowTitleBar(*this)),
      m_contents(new NormalWindowContents) {
    set_frame({DoubleBorder(GdiPlus_Color(0xFFD4D0C8), GdiPlus_Color(0xFFFFFFFF),
                            GdiPlus_Color(0xFF808080), GdiPlus_Color(0xFF404040)),
               GdiPlus_Brush(GdiPlus_Color(0xFFD4D0C8))});
    m_contents->set_frame({NoBorder(), GdiPlus_Brush(GdiPlus_Color(0xFFF4F2EE))});
    add_child(m_title_bar);
    add_child(m_contents);
}

void NormalWindow::set_title(std::u16string a_title) {
    m_title = std::move(a_title);
    m_title_bar->repaint();
}

void NormalWindow::set_client(Widget* a_client) {
    if (m_client) {
        m_contents->remove_child(m_client);
        delete m_client;
    }
    m_client = a_client;
    if (a_client) {
        m_contents->add_child(a_client);
        a_client->set_geometry(m_contents->get_content_rect());
    }
}

int NormalWindow::get_title_bar_height() const {
    return NormalWindowTitleBar::measure_height();
}

Size NormalWindow::size_for_client(int a_width, int a_height) const {
    return {a_width + 2 * border_width, a_height + 2 * border_width + get_title_bar_height()};
}

Size NormalWindow::get_preferred_size() const {
    if (!m_client)
        return size_for_client(0, 0);
    const WidgetRequestedSizes& sizes = m_client->get_requested_sizes();
    return size_for_client(sizes.get_requested_width(), sizes.get_requested_height());
}

void NormalWindow::open_centred(Desktop& a_desktop) {
    open(&a_desktop, Modality_MODELESS);
    a_desktop.flush();
    if (m_client && m_client->is_queued(WidgetUpdate_MEASURE)) {
        if (!m_centre_pending)
            connect(m_client->m_on_sizes_changed, this, &NormalWindow::p_on_client_sizes);
        m_centre_pending = true;
        return;
    }
    p_centre();
}

void NormalWindow::p_centre() {
    Desktop* desktop = get_desktop();
    if (!desktop)
        return;
    const Size size = get_preferred_size();
    const int width = std::min(size.width, desktop->get_width());
    const int height = std::min(size.height, desktop->get_height());
    set_geometry((desktop->get_width() - width) / 2, (desktop->get_height() - height) / 2, width,
                 height);
}

// Only the first measure places the window; the user may move and resize it afterwards.
void NormalWindow::p_on_client_sizes(WidgetEvent&) {
    if (!std::exchange(m_centre_pending, false))
        return;
    p_centre();
}

void NormalWindow::set_size_limits(Size a_minimum, Size a_maximum) {
    m_minimum = a_minimum;
    m_maximum = {std::max(a_maximum.width, a_minimum.width),
                 std::max(a_maximum.height, a_minimum.height)};
}

void NormalWindow::resized() {
    p_layout();
}

void NormalWindow::p_layout() {
    const int bar = get_title_bar_height();
    const int inner_width = std::max(get_width() - 2 * border_width, 0);
    m_title_bar->set_geometry(border_width, border_width, inner_width, bar);
    m_contents->set_geometry(border_width, border_width + bar, inner_width,
                             std::max(get_height() - 2 * border_width - bar, 0));
}

MouseCursor NormalWindow::cursor_for_edges(unsigned a_mask) {
    const bool horizontal = a_mask & (ResizeEdge_LEFT | ResizeEdge_RIGHT);
    const bool vertical = a_mask & (ResizeEdge_TOP | ResizeEdge_BOTTOM);
    if (horizontal && vertical) {
        const bool falling = bool(a_mask & ResizeEdge_LEFT) == bool(a_mask & ResizeEdge_TOP);
        return falling ? MouseCursor_SIZE_NWSE : MouseCursor_SIZE_NESW;
    }
    return horizontal ? MouseCursor_SIZE_WE : vertical ? MouseCursor_SIZE_NS : MouseCursor_DEFAULT;
}

unsigned NormalWindow::hit_test(int a_x, int a_y) const {
    const int w = get_width();
    const int h = get_height();
    if (a_x < 0 || a_y < 0 || a_x >= w || a_y >= h)
        return 0;
    // Along an edge the corner zones reach three border widths, so corners are easy to grab.
    const int corner = 3 * border_width;
    const bool near_left = a_x < border_width, near_right = a_x >= w - border_width;
    const bool near_top = a_y < border_width, near_bottom = a_y >= h - border_width;
    unsigned mask = 0;
    if (near_left || near_right) {
        mask |= near_left ? ResizeEdge_LEFT : ResizeEdge_RIGHT;
        if (a_y < corner)
            mask |= ResizeEdge_TOP;
        else if (a_y >= h - corner)
            mask |= ResizeEdge_BOTTOM;
    }
    if (near_top || near_bottom) {
        mask |= near_top ? ResizeEdge_TOP : ResizeEdge_BOTTOM;
        if (a_x < corner)
            mask |= ResizeEdge_LEFT;
        else if (a_x >= w - corner)
            mask |= ResizeEdge_RIGHT;
    }
    return mask;
}

void NormalWindow::request_close() {
    NormalWindowEvents::OnCloseQuery query{this};
    m_on_close_query.emit(query);
    if (query.close)
        close();
}

void NormalWindow::p_begin_move(int a_desktop_x, int a_desktop_y) {
    m_moving = true;
    m_grab_x = a_desktop_x;
    m_grab_y = a_desktop_y;
    m_grab_rect = get_rect();
}

void NormalWindow::p_move(int a_desktop_x, int a_desktop_y) {
    set_geometry(m_grab_rect.x + a_desktop_x - m_grab_x, m_grab_rect.y + a_desktop_y - m_grab_y,
                 m_grab_rect.width, m_grab_rect.height);
}

void NormalWindow::handle_input(InputEvent& a_event) {
    if (a_event.type == InputEventType_MOUSE_DOWN && a_event.button == 1) {
        m_resize_mask =
            a_event.stage == InputEventStage_TARGET ? hit_test(a_event.x, a_event.y) : 0;
        if (m_resize_mask) {
            m_grab_x = a_event.desktop_x;
            m_grab_y = a_event.desktop_y;
            m_grab_rect = get_rect();
            a_event.consumed = true;
        }
    } else if (a_event.type == InputEventType_MOUSE_MOVED && !m_resize_mask) {
        // Over a border the cursor shows which edges a press would take.
        const unsigned mask =
            a_event.stage == InputEventStage_TARGET ? hit_test(a_event.x, a_event.y) : 0;
        set_cursor(cursor_for_edges(mask));
    } else if (a_event.type == InputEventType_MOUSE_MOVED && m_resize_mask) {
        const int dx = a_event.desktop_x - m_grab_x;
        const int dy = a_event.desktop_y - m_grab_y;
        Rect rect = m_grab_rect;
        auto clamp_width = [&](int a_width) {
            return std::clamp(a_width, m_minimum.width, m_maximum.width);
        };
        auto clamp_height = [&](int a_height) {
            return std::clamp(a_height, m_minimum.height, m_maximum.height);
        };
        // Moving the left or top edge keeps the opposite edge where it was.
        if (m_resize_mask & ResizeEdge_RIGHT)
            rect.width = clamp_width(m_grab_rect.width + dx);
        if (m_resize_mask & ResizeEdge_LEFT) {
            rect.width = clamp_width(m_grab_rect.width - dx);
            rect.x = m_grab_rect.right() - rect.width;
        }
        if (m_resize_mask & ResizeEdge_BOTTOM)
            rect.height = clamp_height(m_grab_rect.height + dy);
        if (m_resize_mask & ResizeEdge_TOP) {
            rect.height = clamp_height(m_grab_rect.height - dy);
            rect.y = m_grab_rect.bottom() - rect.height;
        }
        set_geometry(rect);
        a_event.consumed = true;
    } else if (a_event.type == InputEventType_MOUSE_UP && a_event.button == 1) {
        m_resize_mask = 0;
    }
}

void NormalWindow::active_changed() {
    m_title_bar->request_restyle(); // its "active" switch
    m_title_bar->repaint();
}

} // namespace Vexa
