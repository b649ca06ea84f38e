#include "vexa/Menus/SystemMenuBase.h"

#include "vexa/Menus/PopupMenuSession.h"
#include "vexa/Menus/SystemMenuSubmenuItem.h"

namespace Vexa {

SystemMenuBase::SystemMenuBase() : SystemMenuNode(SystemMenuNodeKind_MENU) {}

SystemMenuBase::~SystemMenuBase() {
    while (SystemMenuItem* item = m_last) {
        item->p_unregister_shortcuts();
        m_last = item->m_previous;
        item->m_parent = nullptr;
        item->m_previous = nullptr;
        item->m_next = nullptr;
        if (m_last)
            m_last->m_next = nullptr;
        --m_item_count;
        item->release();
    }
    m_first = nullptr;
}

SystemMenuItem* SystemMenuBase::get_item(int a_position) const noexcept {
    SystemMenuItem* item = m_first;
    for (int i = 0; item && i < a_position; ++i)
        item = item->get_next();
    return a_position >= 0 ? item : nullptr;
}

SystemMenuBase* SystemMenuBase::get_root() noexcept {
    SystemMenuBase* menu = this;
    while (menu->m_owner_item && menu->m_owner_item->get_parent())
        menu = menu->m_owner_item->get_parent();
    return menu;
}

void SystemMenuBase::append(SystemMenuItem* a_item) {
    ORVO_ASSERT(a_item);
    ORVO_ASSERT(!a_item->get_parent());
    // A submenu inside itself would make the tree a loop.
    if (const SystemMenu* submenu = a_item->get_submenu())
        for (const SystemMenuBase* menu = this; menu;
             menu = menu->m_owner_item ? menu->m_owner_item->get_parent() : nullptr)
            ORVO_ASSERT(menu != submenu);
    a_item->add_reference();
    a_item->m_parent = this;
    a_item->m_previous = m_last;
    a_item->m_next = nullptr;
    a_item->m_position = m_last ? m_last->m_position + 1 : 0;
    if (m_last)
        m_last->m_next = a_item;
    else
        m_first = a_item;
    m_last = a_item;
    ++m_item_count;
    a_item->p_register_shortcuts();
    if (a_item->get_item_kind() == SystemMenuItemKind_RADIO && a_item->is_checked())
        a_item->p_uncheck_radio_neighbours();
    PopupMenuSession::menu_changed();
}

KeyboardShortcutTable<SystemMenuItem*>& SystemMenuBase::get_shortcut_table() {
    if (!m_shortcuts)
        m_shortcuts = std::make_unique<KeyboardShortcutTable<SystemMenuItem*>>();
    return *m_shortcuts;
}

bool SystemMenuBase::try_shortcut(KeyCode a_key, unsigned a_modifiers) {
    if (a_key == KeyCode_NONE || (a_key >= KeyCode_LEFT_SHIFT && a_key <= KeyCode_RIGHT_ALT))
        return false;
    const auto& items = get_shortcut_table().get_values(KeyboardShortcut(a_key, a_modifiers));
    // A greyed item does not answer its key either; the key goes on to the widgets.
    if (items.empty() || !items.front()->is_enabled())
        return false;
    items.front()->activate();
    return true;
}

unsigned SystemMenuBase::number_items(unsigned a_first) {
    unsigned next = a_first;
    for (SystemMenuItem* item = m_first; item; item = item->get_next()) {
        item->m_command_id = next++;
        if (SystemMenu* submenu = item->get_submenu())
            next = submenu->number_items(next) + 1;
    }
    return next - 1;
}

SystemMenuItem* SystemMenuBase::find_item(unsigned a_command_id) const {
    if (a_command_id == 0)
        return nullptr;
    for (SystemMenuItem* item = m_first; item; item = item->get_next()) {
        if (item->get_command_id() == a_command_id)
            return item;
        if (SystemMenu* submenu = item->get_submenu())
            if (SystemMenuItem* found = submenu->find_item(a_command_id))
                return found;
    }
    return nullptr;
}

} // namespace Vexa
