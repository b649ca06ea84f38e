#pragma once
// One level of an open pop-up menu: a native pop-up window that draws the items of one menu (rows
// with label, shortcut, marks, submenu arrows, separators, a highlighted row) and hands its events
// to the session that runs the menu.

#include "vexa/Graphics/Bitmap.h"
#include "vexa/Platform/NativeWindow.h"

#include <memory>
#include <vector>

namespace Vexa {

class PopupMenuSession;
class SystemMenuBase;
class SystemMenuItem;

class PopupMenuPanel final : public NativeWindowClient {
public:
    PopupMenuPanel(PopupMenuSession& a_session, SystemMenuBase& a_menu);
    ~PopupMenuPanel();
    PopupMenuPanel(const PopupMenuPanel&) = delete;
    PopupMenuPanel& operator=(const PopupMenuPanel&) = delete;

    SystemMenuBase& get_menu() const noexcept { return m_menu; }
    NativeWindow* get_native_window() const noexcept { return m_native.get(); }
    // Lays the rows out again (labels or items changed) and returns the size they need.
    Size layout();
    // Shows the window at the rectangle (screen coordinates).
    void show_at(const Rect& a_screen_rect);
    const Rect& get_screen_rect() const noexcept { return m_screen_rect; }
    void repaint();

    int get_row_count() const noexcept { return int(m_rows.size()); }
    SystemMenuItem* get_item(int a_row) const;
    // The row under a screen point; -1 outside the rows.
    int row_at(int a_screen_x, int a_screen_y) const;
    // The row's rectangle in screen coordinates.
    Rect get_row_screen_rect(int a_row) const;
    // Separators and disabled items cannot be chosen.
    bool is_selectable(int a_row) const;
    int get_hover() const noexcept { return m_hover; }
    // Scrolls it into view when the menu is taller than the screen.
    void set_hover(int a_row);

    // A menu taller than its window scrolls (wheel, keys, clicks on the arrows at either end).
    bool is_scrollable() const noexcept;
    void scroll_by(int a_pixels);
    // -1 on the upper scroll arrow, 1 on the lower one, else 0.
    int scroll_strip_at(int a_screen_x, int a_screen_y) const;

    void handle_native_event(const NativeEvent& a_event) override;
    const Bitmap& compose(const Rect& a_update) override;
    const Bitmap& get_bitmap() const noexcept { return m_bitmap; }

private:
    struct Row {
        SystemMenuItem* item;
        int y;
        int height;
    };
    void p_paint();
    int p_inset() const noexcept;
    int p_max_scroll() const noexcept;
    int p_row_top(int a_row) const noexcept;

    PopupMenuSession& m_session;
    SystemMenuBase& m_menu;
    std::unique_ptr<NativeWindow> m_native;
    std::vector<Row> m_rows;
    Size m_size;
    int m_label_width = 0;
    int m_rows_height = 0;
    int m_scroll = 0;
    Rect m_screen_rect;
    int m_hover = -1;
    Bitmap m_bitmap;
};

} // namespace Vexa
