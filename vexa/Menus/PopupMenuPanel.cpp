#include "vexa/Menus/PopupMenuPanel.h"

#include "vexa/Application/Toolkit.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Menus/PopupMenuLook.h"
#include "vexa/Menus/PopupMenuSession.h"
#include "vexa/Menus/SystemMenuBase.h"
#include "vexa/Menus/SystemMenuItem.h"

#include <algorithm>
#include <cairo.h>

namespace Vexa {

namespace Look = PopupMenuLook;

namespace {

const GdiPlus_Font& menu_font() {
    return Toolkit::get().get_stock().default_font;
}

} // namespace

PopupMenuPanel::PopupMenuPanel(PopupMenuSession& a_session, SystemMenuBase& a_menu)
    : m_session(a_session), m_menu(a_menu) {
    NativeWindowOptions options;
    // No owner: the menu is placed by the toolkit, and may outlive nothing it points to.
    options.popup = true;
    m_native = Toolkit::get().get_platform().create_window(*this, options);
}

PopupMenuPanel::~PopupMenuPanel() = default;

Size PopupMenuPanel::layout() {
    const int row_height =
        std::max(Look::minimum_row_height, Painter::measure_text(u"Ay", menu_font()).height + 10);
    m_rows.clear();
    m_label_width = 0;
    int shortcut_width = 0;
    int y = 0;
    for (SystemMenuItem* item = m_menu.get_first(); item; item = item->get_next()) {
        const int height = item->is_separator() ? Look::separator_height : row_height;
        m_rows.push_back({item, y, height});
        y += height;
        if (item->is_separator())
            continue;
        m_label_width =
            std::max(m_label_width, Painter::measure_text(item->get_label(), menu_font()).width);
        shortcut_width =
            std::max(shortcut_width,
                     Painter::measure_text(item->get_shortcut().get_text(), menu_font()).width);
    }
    const int width = 2 * Look::frame + Look::gutter + m_label_width +
                      (shortcut_width ? Look::shortcut_gap + shortcut_width : 0) +
                      Look::arrow_column;
    m_rows_height = y;
    m_size = {std::max({width, Look::minimum_width, m_menu.get_minimum_width()}),
              y + 2 * (Look::padding + Look::frame)};
    m_scroll = std::clamp(m_scroll, 0, p_max_scroll());
    return m_size;
}

void PopupMenuPanel::show_at(const Rect& a_screen_rect) {
    m_screen_rect = a_screen_rect;
    m_scroll = std::clamp(m_scroll, 0, p_max_scroll());
    m_bitmap.resize(a_screen_rect.width, a_screen_rect.height);
    p_paint();
    if (!m_native)
        return;
    m_native->set_client_rect(a_screen_rect);
    m_native->set_visible(true);
    m_native->invalidate({0, 0, a_screen_rect.width, a_screen_rect.height});
}

void PopupMenuPanel::repaint() {
    p_paint();
    if (m_native)
        m_native->invalidate({0, 0, m_screen_rect.width, m_screen_rect.height});
}

SystemMenuItem* PopupMenuPanel::get_item(int a_row) const {
    return a_row >= 0 && a_row < int(m_rows.size()) ? m_rows[std::size_t(a_row)].item : nullptr;
}

bool PopupMenuPanel::is_scrollable() const noexcept {
    return m_rows_height + 2 * (Look::padding + Look::frame) > m_screen_rect.height;
}

// Rows lie between the insets; a menu taller than the screen shows scroll arrows in them.
int PopupMenuPanel::p_inset() const noexcept {
    return Look::frame + (is_scrollable() ? Look::scroll_strip : Look::padding);
}

int PopupMenuPanel::p_max_scroll() const noexcept {
    return std::max(0, m_rows_height - (m_screen_rect.height - 2 * p_inset()));
}

int PopupMenuPanel::p_row_top(int a_row) const noexcept {
    return p_inset() + m_rows[std::size_t(a_row)].y - m_scroll;
}

int PopupMenuPanel::scroll_strip_at(int a_screen_x, int a_screen_y) const {
    if (!is_scrollable() || !m_screen_rect.contains(a_screen_x, a_screen_y))
        return 0;
    const int y = a_screen_y - m_screen_rect.y;
    return y < p_inset() ? -1 : y >= m_screen_rect.height - p_inset() ? 1 : 0;
}

void PopupMenuPanel::scroll_by(int a_pixels) {
    const int scroll = std::clamp(m_scroll + a_pixels, 0, p_max_scroll());
    if (scroll == m_scroll)
        return;
    m_scroll = scroll;
    repaint();
}

int PopupMenuPanel::row_at(int a_screen_x, int a_screen_y) const {
    if (!m_screen_rect.contains(a_screen_x, a_screen_y))
        return -1;
    const int y = a_screen_y - m_screen_rect.y;
    if (y < p_inset() || y >= m_screen_rect.height - p_inset())
        return -1;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (y >= p_row_top(int(i)) && y < p_row_top(int(i)) + m_rows[i].height)
            return int(i);
    return -1;
}

Rect PopupMenuPanel::get_row_screen_rect(int a_row) const {
    if (a_row < 0 || a_row >= int(m_rows.size()))
        return {};
    return {m_screen_rect.x, m_screen_rect.y + p_row_top(a_row), m_screen_rect.width,
            m_rows[std::size_t(a_row)].height};
}

bool PopupMenuPanel::is_selectable(int a_row) const {
    const SystemMenuItem* item = get_item(a_row);
    return item && !item->is_separator() && item->is_enabled();
}

void PopupMenuPanel::set_hover(int a_row) {
    if (!is_selectable(a_row))
        a_row = -1;
    if (a_row == m_hover)
        return;
    m_hover = a_row;
    // Keys may move to a row scrolled out of view.
    if (a_row >= 0) {
        const int top = p_row_top(a_row);
        const int bottom = top + m_rows[std::size_t(a_row)].height;
        if (top < p_inset())
            m_scroll = std::clamp(m_scroll - (p_inset() - top), 0, p_max_scroll());
        else if (bottom > m_screen_rect.height - p_inset())
            m_scroll = std::clamp(m_scroll + bottom - (m_screen_rect.height - p_inset()), 0,
                                  p_max_scroll());
    }
    repaint();
}

void PopupMenuPanel::handle_native_event(const NativeEvent& a_event) {
    m_session.handle(*this, a_event);
}

const Bitmap& PopupMenuPanel::compose(const Rect&) {
    return m_bitmap;
}

void PopupMenuPanel::p_paint() {
    if (m_bitmap.is_null())
        return;
    const int width = m_bitmap.get_width();
    const int height = m_bitmap.get_height();
    Painter painter(m_bitmap);
    painter.fill_and_stroke_rectangle(0, 0, width, height, GdiPlus_Pen(Look::border, 1),
                                      GdiPlus_Brush(Look::background));
    const GdiPlus_Font& font = menu_font();
    const int label_x = Look::frame + Look::gutter;
    const int shortcut_right = width - Look::frame - Look::arrow_column;
    const int inset = p_inset();
    if (is_scrollable()) {
        const GdiPlus_Brush more(Look::shortcut_text), none(Look::separator);
        painter.draw_arrow(ArrowDirection_UP, width, inset, 4.0f, 8.0f, 2.0f,
                           m_scroll > 0 ? more : none, GdiPlus_Pen(), 0, 0);
        painter.draw_arrow(ArrowDirection_DOWN, width, inset, 4.0f, 8.0f, 2.0f,
                           m_scroll < p_max_scroll() ? more : none, GdiPlus_Pen(), 0,
                           height - inset);
    }
    painter.clip_to({0, inset, width, height - 2 * inset});
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        Row row = m_rows[i];
        row.y = p_row_top(int(i));
        if (row.y + row.height <= inset || row.y >= height - inset)
            continue;
        const SystemMenuItem& item = *row.item;
        if (item.is_separator()) {
            const int y = row.y + row.height / 2;
            painter.draw_line(Look::frame + 8, y, width - Look::frame - 9, y,
                              GdiPlus_Pen(Look::separator, 1));
            continue;
        }
        if (int(i) == m_hover) {
            painter.fill_rectangle(
                {Look::frame + 2, row.y, width - 2 * Look::frame - 4, row.height},
                GdiPlus_Brush(Look::hover));
            painter.fill_rectangle({Look::frame + 2, row.y, 2, row.height},
                                   GdiPlus_Brush(Look::hover_edge));
        }
        const GdiPlus_Color color = item.is_enabled() ? Look::text : Look::disabled_text;
        painter.draw_text(item.get_label(), label_x, row.y, m_label_width + 1, row.height,
                          TextAlignment_LEFT, TextAlignment_MIDDLE, font, color);
        const std::u16string shortcut = item.get_shortcut().get_text();
        if (!shortcut.empty())
            painter.draw_text(shortcut, label_x + m_label_width, row.y,
                              shortcut_right - label_x - m_label_width, row.height,
                              TextAlignment_RIGHT, TextAlignment_MIDDLE, font,
                              item.is_enabled() ? Look::shortcut_text : Look::disabled_text);
        const GdiPlus_Color mark = item.is_enabled() ? Look::mark : Look::disabled_text;
        const int centre_x = Look::frame + Look::gutter / 2 + 1;
        const int centre_y = row.y + row.height / 2;
        if (item.is_checked() && item.get_item_kind() == SystemMenuItemKind_CHECKBOX) {
            SmoothingScope smooth(painter);
            const GdiPlus_Pen pen(mark, 2);
            painter.draw_line(centre_x - 5, centre_y, centre_x - 2, centre_y + 3, pen);
            painter.draw_line(centre_x - 2, centre_y + 3, centre_x + 4, centre_y - 4, pen);
        } else if (item.is_checked() && (item.get_item_kind() == SystemMenuItemKind_RADIO ||
                                         item.get_item_kind() == SystemMenuItemKind_SUBMENU)) {
            // A marked submenu leads to the chosen item inside it.
            cairo_t* cairo = painter.get_native();
            cairo_save(cairo);
            cairo_set_antialias(cairo, CAIRO_ANTIALIAS_DEFAULT);
            cairo_arc(cairo, centre_x + 0.5, centre_y + 0.5, 3.5, 0, 6.2832);
            cairo_set_source_rgb(cairo, mark.get_red() / 255.0, mark.get_green() / 255.0,
                                 mark.get_blue() / 255.0);
            cairo_fill(cairo);
            cairo_restore(cairo);
        }
        if (item.get_item_kind() == SystemMenuItemKind_SUBMENU)
            painter.draw_arrow(ArrowDirection_RIGHT, Look::arrow_column, row.height, 7.0f, 8.0f,
                               3.5f, GdiPlus_Brush(item.is_enabled() ? Look::shortcut_text : color),
                               GdiPlus_Pen(), width - Look::frame - Look::arrow_column, row.y);
    }
}

} // namespace Vexa
