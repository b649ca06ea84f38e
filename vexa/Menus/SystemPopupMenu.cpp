#include "vexa/Menus/SystemPopupMenu.h"

#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Menus/PopupMenuSession.h"
#include "vexa/Menus/SystemMenuItem.h"
#include "vexa/Window/SystemWindow.h"

namespace Vexa {

bool SystemPopupMenu::popup(Widget* a_widget, int a_alignment, std::optional<Rect> a_anchor) {
    return p_track(a_widget, a_anchor, a_alignment, false);
}

bool SystemPopupMenu::popup_at_mouse(Widget* a_widget) {
    return p_track(a_widget, std::nullopt, PopupAlignment_LEFT | PopupAlignment_BELOW, true);
}

bool SystemPopupMenu::p_track(Widget* a_widget, std::optional<Rect> a_anchor, int a_alignment,
                              bool a_at_mouse) {
    Desktop* desktop = a_widget ? a_widget->get_desktop() : nullptr;
    SystemWindow* system_window = desktop ? desktop->get_system_window() : nullptr;
    // Only over a window someone can see: a host rendering the plug-in has none.
    NativeWindow* native =
        system_window && system_window->is_shown() ? system_window->get_native_window() : nullptr;
    if (!native || get_item_count() == 0 || PopupMenuSession::get_open())
        return false;
    desktop->flush();

    Platform& platform = Toolkit::get().get_platform();
    const std::optional<PopupMenuAnswer> script = platform.take_popup_menu_answer();
    if (!platform.can_show_windows() || (!script && !platform.can_wait_for_user()))
        return false;

    const Rect widget_rect = a_widget->get_rect_in_desktop();
    Rect anchor = widget_rect;
    if (a_anchor)
        anchor = a_anchor->translated(widget_rect.x, widget_rect.y);
    anchor = native->map_to_screen(anchor);
    if (a_at_mouse) {
        const std::optional<Rect> pointer = platform.get_pointer_position();
        anchor = pointer ? Rect{pointer->x, pointer->y, 0, 0} : Rect{anchor.x, anchor.y, 0, 0};
    }

    // The menu takes the pointer: the widget that opened it holds no grab any more (its button's
    // release goes to the menu).
    NativeEvent capture_lost;
    capture_lost.type = NativeEventType::capture_lost;
    native->get_client().handle_native_event(capture_lost);

    number_items();
    // The menu's owner may let go of it in a slot of the chosen item.
    SharedRef<SystemPopupMenu> keep(get_reference_counter() > 0 ? this : nullptr);
    unsigned chosen = 0;
    {
        PopupMenuSession session(*this);
        chosen = session.run(anchor, a_alignment, script ? &*script : nullptr);
    }
    SystemMenuItem* item = find_item(chosen);
    // An answer naming a greyed item (a stale identifier, a script) chooses nothing.
    if (!item || !item->is_enabled() || item->is_separator() || item->get_submenu())
        return false;
    item->activate();
    return true;
}

} // namespace Vexa
