#pragma once
// One entry of a menu: a command, a check box, a radio check box, a separator or a submenu. Every
// kind but the separator has a label and may have a keyboard shortcut; its display text is the
// label, a tab and the shortcut's text.
//
// Activation (a click in a pop-up, a shortcut, a pop-up's answer) emits the activation signal with
// the item first and then applies the kind's check rule, so slots see the state before the toggle:
// a check box toggles, a radio check box becomes checked (unchecking its group); either only while
// auto-check is on. Radio groups are the runs of adjacent radio items.

#include "orvo/Signals/Signal1.h"
#include "vexa/Menus/KeyboardShortcutTable.h"
#include "vexa/Menus/SystemMenuNode.h"

#include <string>

namespace Vexa {

class SystemMenu;
class SystemMenuItem;

enum SystemMenuItemKind {
    SystemMenuItemKind_CHECKBOX = 0,
    SystemMenuItemKind_COMMAND = 1,
    SystemMenuItemKind_RADIO = 2,
    SystemMenuItemKind_SEPARATOR = 3,
    SystemMenuItemKind_SUBMENU = 4,
};

struct SystemMenuItemEvent {
    SystemMenuItem* item;
};
struct SystemMenuItemCheckEvent {
    SystemMenuItem* item;
    bool checked;
};

class SystemMenuItem : public SystemMenuNode {
public:
    SystemMenuItemKind get_item_kind() const noexcept { return m_item_kind; }
    bool is_separator() const noexcept { return m_item_kind == SystemMenuItemKind_SEPARATOR; }

    const std::u16string& get_label() const noexcept { return m_label; }
    void set_label(std::u16string a_label);
    // The label, a tab, and the shortcut's text (nothing after the tab without a shortcut); empty
    // for a separator.
    std::u16string get_display_text() const;

    const KeyboardShortcut& get_shortcut() const noexcept { return m_shortcut; }
    // Moves the item's binding in its tree's shortcut table.
    void set_shortcut(const KeyboardShortcut& a_shortcut);

    bool is_checked() const noexcept { return m_checked; }
    // Nothing happens when unchanged; a radio item being checked unchecks its group. Emits the
    // check-changed signal.
    void set_checked(bool a_checked);
    bool is_enabled() const noexcept { return m_enabled; }
    void set_enabled(bool a_enabled);
    bool get_auto_check() const noexcept { return m_auto_check; }
    void set_auto_check(bool a_auto_check) noexcept { m_auto_check = a_auto_check; }

    // A submenu item's menu; null for the other kinds.
    virtual SystemMenu* get_submenu() const noexcept { return nullptr; }

    // Emits the activation, then applies the check rule of the kind. A separator and a submenu item
    // do nothing.
    void activate();

    Orvo::Signal1<SystemMenuItemEvent&> m_on_activated;
    Orvo::Signal1<SystemMenuItemCheckEvent&> m_on_check_changed;

protected:
    SystemMenuItem(SystemMenuItemKind a_kind, std::u16string a_label,
                   const KeyboardShortcut& a_shortcut);
    ~SystemMenuItem() override;

private:
    friend class SystemMenuBase;
    friend class SystemMenuSubmenuItem;
    // Shortcut bindings of this item (and of a submenu's items) in the table of its tree.
    virtual void p_register_shortcuts();
    virtual void p_unregister_shortcuts();
    void p_uncheck_radio_neighbours();
    void p_refresh();

    SystemMenuItemKind m_item_kind;
    std::u16string m_label;
    KeyboardShortcut m_shortcut;
    bool m_auto_check = true;
    bool m_checked = false;
    bool m_enabled = true;
    KeyboardShortcutTable<SystemMenuItem*>* m_table = nullptr;
};

} // namespace Vexa
