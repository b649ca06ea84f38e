#include "vexa/Menus/SystemMenuGenericBuilder.h"

#include "vexa/Menus/SystemMenuCheckboxItem.h"
#include "vexa/Menus/SystemMenuCommandItem.h"
#include "vexa/Menus/SystemMenuSeparatorItem.h"
#include "vexa/Menus/SystemMenuSubmenuItem.h"

namespace Vexa {

void SystemMenuGenericBuilder::begin(SystemMenuBase* a_menu) {
    ORVO_ASSERT(m_menus.empty());
    ORVO_ASSERT(a_menu);
    m_menus.push_back(a_menu);
}

void SystemMenuGenericBuilder::end() {
    ORVO_ASSERT(m_menus.size() == 1);
    m_menus.clear();
}

SystemMenuBase* SystemMenuGenericBuilder::get_current_menu() const {
    ORVO_ASSERT(!m_menus.empty());
    return m_menus.back();
}

template <class T>
T* SystemMenuGenericBuilder::p_append(T* a_item) {
    SharedRef<T> item(a_item); // released again if appending fails
    get_current_menu()->append(a_item);
    return a_item;
}

SystemMenuCommandItem*
SystemMenuGenericBuilder::add_command_item(std::u16string a_label,
                                           const KeyboardShortcut& a_shortcut) {
    return p_append(new SystemMenuCommandItem(std::move(a_label), a_shortcut));
}

SystemMenuCheckboxItem*
SystemMenuGenericBuilder::add_checkbox_item(std::u16string a_label,
                                            const KeyboardShortcut& a_shortcut, bool a_checked) {
    return p_append(new SystemMenuCheckboxItem(std::move(a_label), a_shortcut, a_checked));
}

SystemMenuCheckboxItem* SystemMenuGenericBuilder::add_radio_item(std::u16string a_label,
                                                                 const KeyboardShortcut& a_shortcut,
                                                                 bool a_checked) {
    return p_append(new SystemMenuCheckboxItem(std::move(a_label), a_shortcut, a_checked, true));
}

SystemMenuSeparatorItem* SystemMenuGenericBuilder::add_separator() {
    return p_append(new SystemMenuSeparatorItem);
}

SystemMenuSubmenuItem* SystemMenuGenericBuilder::begin_submenu(std::u16string a_label) {
    SystemMenuSubmenuItem* item = p_append(new SystemMenuSubmenuItem(std::move(a_label)));
    m_menus.push_back(item->get_submenu());
    return item;
}

void SystemMenuGenericBuilder::end_submenu() {
    ORVO_ASSERT(m_menus.size() > 1);
    m_menus.pop_back();
}

} // namespace Vexa
