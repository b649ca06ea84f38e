#pragma once
// Fills a menu from nested calls:
//
//     SystemMenuGenericBuilder builder;
//     builder.begin(menu);
//     builder.add_command_item(u"Open", KeyboardShortcut::parse(u"Ctrl+O"));
//     builder.begin_submenu(u"Recent");
//     builder.add_command_item(u"a.preset");
//     builder.end_submenu();
//     builder.end();
//
// The top of the stack is the menu that receives the items. Each add returns the new item, for
// its signals.

#include "vexa/Menus/SystemMenuCheckboxItem.h"
#include "vexa/Menus/SystemMenuCommandItem.h"
#include "vexa/Menus/SystemMenuSeparatorItem.h"
#include "vexa/Menus/SystemMenuSubmenuItem.h"

#include <string>
#include <vector>

namespace Vexa {

class SystemMenuGenericBuilder {
public:
    // Fails `m_menus.empty()` when begun twice and `a_menu` for a null menu.
    void begin(SystemMenuBase* a_menu);
    // Fails `m_menus.size() == 1` while a submenu is still open.
    void end();

    SystemMenuCommandItem* add_command_item(std::u16string a_label,
                                            const KeyboardShortcut& a_shortcut = {});
    SystemMenuCheckboxItem* add_checkbox_item(std::u16string a_label,
                                              const KeyboardShortcut& a_shortcut = {},
                                              bool a_checked = false);
    // A radio item; adjacent radio items form one group.
    SystemMenuCheckboxItem* add_radio_item(std::u16string a_label,
                                           const KeyboardShortcut& a_shortcut = {},
                                           bool a_checked = false);
    SystemMenuSeparatorItem* add_separator();
    // Appends a submenu item to the current menu and makes its submenu the current one.
    SystemMenuSubmenuItem* begin_submenu(std::u16string a_label);
    // Fails `m_menus.size() > 1` without a submenu to end.
    void end_submenu();

    SystemMenuBase* get_current_menu() const;

private:
    template <class T>
    T* p_append(T* a_item);

    std::vector<SystemMenuBase*> m_menus;
};

} // namespace Vexa
