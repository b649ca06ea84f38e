#pragma once
// The gallery's menu card: a button that drops a pop-up menu down (with a submenu, check boxes, a
// radio group, a greyed item and shortcuts), a right-click area for the same menu at the mouse,
// and a line that reports the last choice (also printed, for scripted runs).

#include "orvo/Signals/Trackable.h"
#include "vexa/Menus/SystemPopupMenu.h"
#include "vexa/Widget/Widget.h"

#include <string>

namespace Vexa {
struct SystemMenuItemEvent;
}

namespace Gallery {

class GalleryMenu : public Vexa::Widget, public Orvo::Trackable {
public:
    GalleryMenu();

    // The menu whose shortcuts the gallery's window answers.
    Vexa::SystemPopupMenu* get_menu() const noexcept { return m_menu.get(); }
    // The button, in the widget's coordinates.
    Vexa::Rect get_button_rect() const noexcept { return {16, 40, 112, 28}; }

protected:
    void paint_content(Vexa::Painter& a_painter) override;
    void handle_input(Vexa::InputEvent& a_event) override;

private:
    void p_on_item(Vexa::SystemMenuItemEvent& a_event);

    Vexa::SharedRef<Vexa::SystemPopupMenu> m_menu;
    std::u16string m_last = u"nothing yet";
    bool m_pressed = false;
};

} // namespace Gallery
