#include "vexa/Menus/PopupMenuSession.h"

#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/KeyCode.h"
#include "vexa/Menus/PopupMenuLook.h"
#include "vexa/Menus/PopupMenuPanel.h"
#include "vexa/Menus/SystemMenu.h"
#include "vexa/Menus/SystemMenuItem.h"

#include <algorithm>
#include <cstdlib>

namespace Vexa {

PopupMenuSession* PopupMenuSession::s_open = nullptr;

namespace {

// A press and release closer than this is a click where the menu opened, not a choice.
constexpr int drag_distance = 3;

char16_t upper(char16_t a_character) {
    return a_character >= u'a' && a_character <= u'z' ? char16_t(a_character - 32) : a_character;
}

} // namespace

PopupMenuSession::PopupMenuSession(SystemMenuBase& a_menu)
    : m_menu(a_menu), m_screen(Toolkit::get().get_platform().get_screen_size()),
      m_previous_open(s_open) {
    s_open = this;
}

PopupMenuSession::~PopupMenuSession() {
    s_open = m_previous_open;
}

Rect PopupMenuSession::place(Size a_size, const Rect& a_anchor, int a_alignment, Size a_screen) {
    Rect rect{a_anchor.x, a_anchor.bottom(), a_size.width, a_size.height};
    if (a_alignment & 4)
        rect.x = a_anchor.right() - a_size.width;
    else if (a_alignment & 2)
        rect.x = a_anchor.x + (a_anchor.width - a_size.width) / 2;
    if (a_alignment & 32)
        rect.y = a_anchor.y - a_size.height;
    else if (a_alignment & 16)
        rect.y = a_anchor.y + (a_anchor.height - a_size.height) / 2;

    // Flip to the other side when it does not fit and the other side has more room.
    const int room_above = a_anchor.y;
    const int room_below = a_screen.height - a_anchor.bottom();
    if (!(a_alignment & (16 | 32)) && rect.bottom() > a_screen.height && room_above > room_below)
        rect.y = a_anchor.y - a_size.height;
    else if ((a_alignment & 32) && rect.y < 0 && room_below > room_above)
        rect.y = a_anchor.bottom();
    if (!(a_alignment & (2 | 4)) && rect.right() > a_screen.width)
        rect.x = a_anchor.right() - a_size.width;
    else if ((a_alignment & 4) && rect.x < 0)
        rect.x = a_anchor.x;

    rect.x = std::clamp(rect.x, 0, std::max(0, a_screen.width - a_size.width));
    rect.y = std::clamp(rect.y, 0, std::max(0, a_screen.height - a_size.height));
    return rect;
}

Rect PopupMenuSession::place_beside(Size a_size, const Rect& a_parent, const Rect& a_row,
                                    Size a_screen) {
    Rect rect{a_parent.right() - PopupMenuLook::submenu_overlap,
              a_row.y - PopupMenuLook::frame - PopupMenuLook::padding, a_size.width, a_size.height};
    if (rect.right() > a_screen.width)
        rect.x = a_parent.x - a_size.width + PopupMenuLook::submenu_overlap;
    rect.x = std::clamp(rect.x, 0, std::max(0, a_screen.width - a_size.width));
    rect.y = std::clamp(rect.y, 0, std::max(0, a_screen.height - a_size.height));
    return rect;
}

unsigned PopupMenuSession::run(const Rect& a_anchor, int a_alignment,
                               const PopupMenuAnswer* a_script) {
    auto root = std::make_unique<PopupMenuPanel>(*this, m_menu);
    Size size = root->layout();
    size.height = std::min(size.height, m_screen.height);
    root->show_at(place(size, a_anchor, a_alignment, m_screen));
    m_levels.push_back(std::move(root));
    NativeWindow* grabbed = m_levels.front()->get_native_window();
    // Where the pointer is now: a press dragged from here onto a row and released chooses it.
    if (const std::optional<Rect> pointer = Toolkit::get().get_platform().get_pointer_position()) {
        m_has_origin = true;
        m_origin_x = pointer->x;
        m_origin_y = pointer->y;
    }

    if (a_script) {
        for (const NativeEvent& event : a_script->events) {
            if (m_done)
                break;
            handle(*m_levels.front(), event);
        }
        if (!m_done)
            p_finish(a_script->command_id);
    } else if (!grabbed || !grabbed->grab_input()) {
        // Another program holds the pointer or keyboard: nobody could close the menu.
        p_finish(0);
    } else {
        Application* application = Application::get();
        m_quit_loop = application->create_quit_loop();
        try {
            application->loop(m_quit_loop);
        } catch (...) {
            m_quit_loop = nullptr;
            grabbed->release_input();
            throw;
        }
        m_quit_loop = nullptr;
        grabbed->release_input();
    }
    m_levels.clear();
    return m_result;
}

void PopupMenuSession::menu_changed() {
    if (!s_open)
        return;
    for (auto& level : s_open->m_levels) {
        Size size = level->layout();
        size.height = std::min(size.height, s_open->m_screen.height);
        const Rect rect = level->get_screen_rect();
        if (size.width != rect.width || size.height != rect.height)
            level->show_at({rect.x, rect.y, size.width, size.height});
        else
            level->repaint();
    }
}

void PopupMenuSession::handle(PopupMenuPanel& a_panel, const NativeEvent& a_event) {
    if (m_done)
        return;
    switch (a_event.type) {
    case NativeEventType::mouse_move:
    case NativeEventType::button_down:
    case NativeEventType::button_up:
    case NativeEventType::wheel:
        p_pointer(a_panel, a_event);
        break;
    case NativeEventType::key_down:
        p_key(a_event);
        break;
    case NativeEventType::close_request:
    case NativeEventType::destroyed:
        p_finish(0);
        break;
    default:
        break;
    }
}

void PopupMenuSession::p_pointer(PopupMenuPanel& a_panel, const NativeEvent& a_event) {
    const int x = a_panel.get_screen_rect().x + a_event.x;
    const int y = a_panel.get_screen_rect().y + a_event.y;
    if (!m_has_origin) {
        m_has_origin = true;
        m_origin_x = x;
        m_origin_y = y;
    } else if (std::abs(x - m_origin_x) > drag_distance ||
               std::abs(y - m_origin_y) > drag_distance) {
        m_armed = true;
    }
    // The topmost level under the pointer.
    std::size_t level = m_levels.size();
    while (level > 0 && !m_levels[level - 1]->get_screen_rect().contains(x, y))
        --level;
    if (level == 0) {
        if (a_event.type == NativeEventType::button_down)
            p_finish(0);
        return;
    }
    --level;
    PopupMenuPanel& panel = *m_levels[level];
    const int row = panel.row_at(x, y);
    if (a_event.type == NativeEventType::wheel) {
        p_close_levels_above(level);
        panel.scroll_by(-a_event.wheel_delta / 120 * 3 * PopupMenuLook::minimum_row_height);
        return;
    }
    if (a_event.type == NativeEventType::button_down && panel.scroll_strip_at(x, y)) {
        p_close_levels_above(level);
        panel.scroll_by(panel.scroll_strip_at(x, y) * 2 * PopupMenuLook::minimum_row_height);
        return;
    }
    switch (a_event.type) {
    case NativeEventType::mouse_move: {
        panel.set_hover(row);
        SystemMenuItem* item = panel.is_selectable(row) ? panel.get_item(row) : nullptr;
        SystemMenu* submenu = item ? item->get_submenu() : nullptr;
        const bool open =
            submenu && m_levels.size() > level + 1 && &m_levels[level + 1]->get_menu() == submenu;
        if (!open) {
            p_close_levels_above(level);
            if (submenu)
                p_open_submenu(level, false);
        }
        break;
    }
    case NativeEventType::button_down:
        m_armed = true;
        break;
    default:
        if (m_armed)
            p_choose(level, row, false);
        break;
    }
}

void PopupMenuSession::p_key(const NativeEvent& a_event) {
    const KeyCode key = key_code_of_virtual_key(a_event.virtual_key);
    const std::size_t top = m_levels.size() - 1;
    switch (key) {
    case KeyCode_ESCAPE:
        if (top > 0)
            p_close_levels_above(top - 1);
        else
            p_finish(0);
        return;
    case KeyCode_UP:
        p_move(-1);
        return;
    case KeyCode_DOWN:
        p_move(1);
        return;
    case KeyCode_HOME:
        m_levels[top]->set_hover(-1);
        p_move(1);
        return;
    case KeyCode_END:
        m_levels[top]->set_hover(-1);
        p_move(-1);
        return;
    case KeyCode_RIGHT:
        if (SystemMenuItem* item = m_levels[top]->get_item(m_levels[top]->get_hover());
            item && item->get_submenu())
            p_open_submenu(top, true);
        return;
    case KeyCode_LEFT:
        if (top > 0)
            p_close_levels_above(top - 1);
        return;
    case KeyCode_ENTER:
    case KeyCode_SPACE:
        p_choose(top, m_levels[top]->get_hover(), true);
        return;
    default:
        break;
    }
    if (key >= KeyCode_A && key < KeyCode_A + 26)
        p_jump_to_letter(char16_t(u'A' + (key - KeyCode_A)));
    else if (key >= KeyCode_0 && key < KeyCode_0 + 10)
        p_jump_to_letter(char16_t(u'0' + (key - KeyCode_0)));
}

void PopupMenuSession::p_move(int a_step) {
    PopupMenuPanel& panel = *m_levels.back();
    const int count = panel.get_row_count();
    int row = panel.get_hover();
    if (row < 0)
        row = a_step > 0 ? -1 : count;
    for (int i = 0; i < count; ++i) {
        row = (row + a_step + count) % count;
        if (panel.is_selectable(row)) {
            panel.set_hover(row);
            return;
        }
    }
}

void PopupMenuSession::p_jump_to_letter(char16_t a_letter) {
    PopupMenuPanel& panel = *m_levels.back();
    const int count = panel.get_row_count();
    std::vector<int> matches;
    const int start = panel.get_hover();
    for (int i = 1; i <= count; ++i) {
        const int row = ((start < 0 ? -1 : start) + i + count) % count;
        const SystemMenuItem* item = panel.get_item(row);
        if (panel.is_selectable(row) && !item->get_label().empty() &&
            upper(item->get_label().front()) == a_letter)
            matches.push_back(row);
    }
    if (matches.size() == 1)
        p_choose(m_levels.size() - 1, matches.front(), true);
    else if (!matches.empty())
        panel.set_hover(matches.front());
}

void PopupMenuSession::p_choose(std::size_t a_level, int a_row, bool a_select_first) {
    PopupMenuPanel& panel = *m_levels[a_level];
    if (!panel.is_selectable(a_row))
        return;
    SystemMenuItem* item = panel.get_item(a_row);
    if (!item->get_submenu()) {
        p_finish(item->get_command_id());
        return;
    }
    panel.set_hover(a_row);
    const bool open =
        m_levels.size() > a_level + 1 && &m_levels[a_level + 1]->get_menu() == item->get_submenu();
    if (!open) {
        p_close_levels_above(a_level);
        p_open_submenu(a_level, a_select_first);
    } else if (a_select_first) {
        p_close_levels_above(a_level + 1);
        if (m_levels.back()->get_hover() < 0)
            p_move(1);
    }
}

void PopupMenuSession::p_open_submenu(std::size_t a_level, bool a_select_first) {
    PopupMenuPanel& parent = *m_levels[a_level];
    SystemMenuItem* item = parent.get_item(parent.get_hover());
    SystemMenu* submenu = item ? item->get_submenu() : nullptr;
    if (!submenu || submenu->get_item_count() == 0)
        return;
    auto panel = std::make_unique<PopupMenuPanel>(*this, *submenu);
    Size size = panel->layout();
    size.height = std::min(size.height, m_screen.height);
    panel->show_at(place_beside(size, parent.get_screen_rect(),
                                parent.get_row_screen_rect(parent.get_hover()), m_screen));
    m_levels.push_back(std::move(panel));
    if (a_select_first)
        p_move(1);
}

void PopupMenuSession::p_close_levels_above(std::size_t a_level) {
    while (m_levels.size() > a_level + 1)
        m_levels.pop_back();
}

void PopupMenuSession::p_finish(unsigned a_command_id) {
    m_done = true;
    m_result = a_command_id;
    if (m_quit_loop)
        m_quit_loop->quit();
}

} // namespace Vexa
