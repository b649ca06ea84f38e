#include "vexa/Widgets/ListViewMain.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/ListView.h"

#include <algorithm>

namespace Vexa {

ListViewMain::ListViewMain(ListView& a_list_view) : m_list_view(a_list_view) {
    set_focus_policy(FocusPolicy_CLICK | FocusPolicy_TAB);
    for (auto type :
         {InputEventType_KEYBOARD_DOWN, InputEventType_MOUSE_DOWN, InputEventType_MOUSE_WHEEL})
        set_accepts(type, true);
    set_horizontally_stretchable(true);
    set_vertically_stretchable(true);
}

namespace {

// A folder: a tab over a body; a file: a sheet with a folded corner.
void paint_mark(Painter& a_painter, ListViewItemMark a_mark, int a_x, int a_y, int a_size,
                GdiPlus_Color a_color) {
    const GdiPlus_Pen pen(a_color, 1);
    if (a_mark == ListViewItemMark_FOLDER) {
        const int top = a_y + a_size / 4;
        a_painter.fill_and_stroke_rectangle(a_x, top - 2, a_size / 2, 3, pen, GdiPlus_Brush());
        a_painter.fill_and_stroke_rectangle(a_x, top, a_size, a_size * 3 / 4, pen,
                                            GdiPlus_Brush(GdiPlus_Color(0xFFE8C46A)));
    } else if (a_mark == ListViewItemMark_FILE) {
        const int width = a_size * 3 / 4;
        a_painter.fill_and_stroke_rectangle(a_x + 1, a_y, width, a_size, pen,
                                            GdiPlus_Brush(GdiPlus_Color(0xFFFFFFFF)));
        a_painter.draw_line(a_x + 3, a_y + a_size / 3, a_x + width - 2, a_y + a_size / 3, pen);
        a_painter.draw_line(a_x + 3, a_y + a_size * 2 / 3, a_x + width - 2, a_y + a_size * 2 / 3,
                            pen);
    }
}

} // namespace

void ListViewMain::paint_content(Painter& a_painter) {
    const int row = m_list_view.get_row_height();
    const int scroll = m_list_view.get_scroll();
    const std::size_t count = m_list_view.get_item_count();
    const std::size_t first = std::size_t(scroll / row);
    const GdiPlus_Font& font = m_list_view.get_font();
    const auto selection = m_list_view.get_selection();
    bool any_mark = false;
    for (std::size_t i = 0; i < count && !any_mark; ++i)
        any_mark = m_list_view.get_item(i).get_mark() != ListViewItemMark_NONE;
    const int mark_size = std::max(8, row - 10);
    const int text_x = any_mark ? 6 + mark_size + 6 : 6;
    for (std::size_t i = first; i < count; ++i) {
        const int y = int(i) * row - scroll;
        if (y >= get_height())
            break;
        const ListViewItem& item = m_list_view.get_item(i);
        GdiPlus_Color color = m_list_view.get_item_text_color(i);
        if (selection && *selection == i) {
            a_painter.fill_rectangle({0, y, get_width(), row}, m_list_view.m_selection_background);
            color = m_list_view.m_selection_text_color;
            if (has_focus())
                a_painter.fill_and_stroke_rectangle(0, y, get_width(), row,
                                                    GdiPlus_Pen(GdiPlus_Color(0xFF202020), 1),
                                                    GdiPlus_Brush());
        }
        if (item.get_mark() != ListViewItemMark_NONE)
            paint_mark(a_painter, item.get_mark(), 6, y + (row - mark_size) / 2, mark_size,
                       GdiPlus_Color(0xFF6B6B6B));
        a_painter.draw_text(item.get_text().view(), text_x, y, get_width() - text_x - 4, row,
                            TextAlignment_LEFT, TextAlignment_MIDDLE, font, color);
    }
}

void ListViewMain::handle_input(InputEvent& a_event) {
    switch (a_event.type) {
    case InputEventType_MOUSE_DOWN: {
        if (!has_focus())
            set_focus(FocusReason_CLICK, a_event.button, a_event.x, a_event.y);
        a_event.consumed = true;
        const std::optional<std::size_t> index = m_list_view.get_item_at(a_event.y);
        if (!index)
            return;
        if (a_event.button == 1)
            m_list_view.select(index);
        ListViewEvents::OnItemMouseDown event{&m_list_view, *index, &a_event};
        m_list_view.m_on_item_mouse_down.emit(event);
        if (a_event.button == 1 && a_event.double_click)
            m_list_view.activate_selection();
        return;
    }
    case InputEventType_MOUSE_WHEEL:
        m_list_view.set_scroll(m_list_view.get_scroll() -
                               a_event.wheel_delta * 3 * m_list_view.get_row_height() / 120);
        a_event.consumed = true;
        return;
    case InputEventType_KEYBOARD_DOWN:
        if (p_handle_key(a_event.key))
            a_event.consumed = true;
        return;
    default:
        return;
    }
}

bool ListViewMain::p_handle_key(KeyCode a_key) {
    const std::size_t count = m_list_view.get_item_count();
    if (count == 0)
        return false;
    const auto selection = m_list_view.get_selection();
    const std::size_t page = m_list_view.get_page_size();
    const std::size_t last = count - 1;
    std::size_t target = 0;
    switch (a_key) {
    case KeyCode_UP:
        target = selection ? (*selection > 0 ? *selection - 1 : 0) : last;
        break;
    case KeyCode_DOWN:
        target = selection ? std::min(*selection + 1, last) : 0;
        break;
    case KeyCode_HOME:
        target = 0;
        break;
    case KeyCode_END:
        target = last;
        break;
    case KeyCode_PAGE_UP:
        target = selection && *selection > page ? *selection - page : 0;
        break;
    case KeyCode_PAGE_DOWN:
        target = selection ? std::min(*selection + page, last) : std::min(page, last);
        break;
    case KeyCode_ENTER:
        if (!selection)
            return false;
        m_list_view.activate_selection();
        return true;
    default:
        return false;
    }
    m_list_view.select(target);
    m_list_view.ensure_visible(target);
    return true;
}

} // namespace Vexa
