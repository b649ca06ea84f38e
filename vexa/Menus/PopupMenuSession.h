#pragma once
// An open pop-up menu: its levels (the menu and the submenus opened from it), the pointer and key
// handling of a desktop menu, and the modal loop that runs while it is open. On a display the top
// level takes all pointer and keyboard input; a click outside or Escape cancels. A test's scripted
// answer is played instead of the loop.
//
// Keys: Up and Down move over the rows that can be chosen (past separators and greyed items,
// wrapping), Home and End jump, Right or Enter opens a submenu, Left or Escape closes one, Enter
// chooses, a letter or digit jumps to the next row starting with it and chooses it when it is the
// only one.

#include "vexa/Graphics/Geometry.h"
#include "vexa/Platform/Platform.h"

#include <memory>
#include <vector>

namespace Vexa {

class PopupMenuPanel;
class QuitApplicationLoop;
class SystemMenuBase;

class PopupMenuSession {
public:
    explicit PopupMenuSession(SystemMenuBase& a_menu);
    ~PopupMenuSession();
    PopupMenuSession(const PopupMenuSession&) = delete;
    PopupMenuSession& operator=(const PopupMenuSession&) = delete;

    // Opens the menu beside the anchor (screen coordinates) and returns the command identifier of
    // the item chosen, 0 when cancelled. With a script, plays it instead of waiting for a person.
    unsigned run(const Rect& a_anchor, int a_alignment, const PopupMenuAnswer* a_script);

    void handle(PopupMenuPanel& a_panel, const NativeEvent& a_event);
    const std::vector<std::unique_ptr<PopupMenuPanel>>& get_levels() const noexcept {
        return m_levels;
    }

    // The session open now (menus do not nest); null when none.
    static PopupMenuSession* get_open() noexcept { return s_open; }
    // An item or a menu changed: the open menu lays itself out and repaints.
    static void menu_changed();

    // Where a menu of the size goes for an anchor rectangle and alignment bits (horizontal: 1 left
    // edges together, 2 centred, 4 right edges together; vertical: 8 below the anchor, 16 centred
    // on it, 32 above it), kept on the screen: a menu that does not fit below flips above when
    // there is more room there (and the reverse), then everything is shifted inside the screen.
    static Rect place(Size a_size, const Rect& a_anchor, int a_alignment, Size a_screen);
    // A submenu beside its row: to the right, else to the left of the parent, kept on the screen.
    static Rect place_beside(Size a_size, const Rect& a_parent, const Rect& a_row, Size a_screen);

private:
    void p_pointer(PopupMenuPanel& a_panel, const NativeEvent& a_event);
    void p_key(const NativeEvent& a_event);
    void p_open_submenu(std::size_t a_level, bool a_select_first);
    void p_close_levels_above(std::size_t a_level);
    void p_move(int a_step);
    void p_jump_to_letter(char16_t a_letter);
    void p_choose(std::size_t a_level, int a_row, bool a_select_first);
    void p_finish(unsigned a_command_id);

    SystemMenuBase& m_menu;
    Size m_screen;
    std::vector<std::unique_ptr<PopupMenuPanel>> m_levels;
    QuitApplicationLoop* m_quit_loop = nullptr;
    bool m_done = false;
    unsigned m_result = 0;
    // A release chooses only after a press inside or a real move: the release of the click that
    // opened the menu does not.
    bool m_armed = false;
    bool m_has_origin = false;
    int m_origin_x = 0;
    int m_origin_y = 0;
    PopupMenuSession* m_previous_open;

    static PopupMenuSession* s_open;
};

} // namespace Vexa
