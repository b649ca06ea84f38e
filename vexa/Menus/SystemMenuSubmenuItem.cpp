#include "vexa/Menus/SystemMenuSubmenuItem.h"

namespace Vexa {

SystemMenuSubmenuItem::SystemMenuSubmenuItem(std::u16string a_label, SystemMenu* a_submenu)
    : SystemMenuItem(SystemMenuItemKind_SUBMENU, std::move(a_label), {}),
      m_submenu(a_submenu ? a_submenu : new SystemMenu) {
    ORVO_ASSERT(!m_submenu->m_owner_item);
    m_submenu->m_owner_item = this;
}

SystemMenuSubmenuItem::~SystemMenuSubmenuItem() {
    p_unregister_shortcuts();
    m_submenu->m_owner_item = nullptr;
    m_submenu->m_parent = nullptr;
}

void SystemMenuSubmenuItem::p_register_shortcuts() {
    SystemMenuItem::p_register_shortcuts();
    m_submenu->m_parent = m_parent;
    // Items bound while the submenu stood alone move into the table of the tree it joins.
    for (SystemMenuItem* item = m_submenu->get_first(); item; item = item->get_next()) {
        item->p_unregister_shortcuts();
        item->p_register_shortcuts();
    }
}

void SystemMenuSubmenuItem::p_unregister_shortcuts() {
    SystemMenuItem::p_unregister_shortcuts();
    for (SystemMenuItem* item = m_submenu->get_first(); item; item = item->get_next())
        item->p_unregister_shortcuts();
}

} // namespace Vexa
