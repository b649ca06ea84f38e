#pragma once
// A menu that pops up over a widget: a combo box's list, a button's menu, a context menu. It is
// drawn by the toolkit in pop-up windows of its own and runs a modal loop while open; the chosen
// item is activated after the menu has closed, and cancelling activates nothing. Nothing opens
// unless the widget is in a desktop with a native window and a display can be reached (a test
// backend answers from its queue instead), so a pop-up never blocks a host without a screen.
//
//     SharedRef<SystemPopupMenu> menu(new SystemPopupMenu);
//     SystemMenuGenericBuilder builder;
//     builder.begin(menu.get());
//     builder.add_command_item(u"Load preset...")->m_on_activated.connect(...);
//     builder.end();
//     menu->popup(button, PopupAlignment_LEFT | PopupAlignment_BELOW);

#include "vexa/Graphics/Geometry.h"
#include "vexa/Menus/SystemMenuBase.h"

#include <optional>

namespace Vexa {

class Widget;

// Horizontal: which edges of menu and anchor line up; vertical: which side of the anchor the menu
// opens on (it flips when the screen has no room there).
enum PopupAlignment {
    PopupAlignment_LEFT = 1,
    PopupAlignment_CENTER = 2,
    PopupAlignment_RIGHT = 4,
    PopupAlignment_BELOW = 8,
    PopupAlignment_MIDDLE = 16,
    PopupAlignment_ABOVE = 32,
};

class SystemPopupMenu : public SystemMenuBase {
public:
    SystemPopupMenu() = default;

    // Opens beside the anchor rectangle (the widget's coordinates; the whole widget when none is
    // given). Returns whether an item was activated.
    bool popup(Widget* a_widget, int a_alignment = PopupAlignment_LEFT | PopupAlignment_BELOW,
               std::optional<Rect> a_anchor = std::nullopt);
    // Opens with its top-left corner at the mouse pointer (a context menu).
    bool popup_at_mouse(Widget* a_widget);

private:
    bool p_track(Widget* a_widget, std::optional<Rect> a_anchor, int a_alignment, bool a_at_mouse);
};

} // namespace Vexa
