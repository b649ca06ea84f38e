#pragma once
// One node of a menu tree: a menu or an item. Items know their menu, their neighbours and their
// position among them; menus are linked into the tree through their submenu item. Command
// identifiers number the items depth-first from 1 each time a pop-up opens, so that the pop-up's
// answer (0 for none) names one item.

#include "vexa/Menus/SharedObject.h"

namespace Vexa {

class SystemMenuBase;
class SystemMenuItem;

enum SystemMenuNodeKind {
    SystemMenuNodeKind_MENU = 0,
    SystemMenuNodeKind_ITEM = 1,
};

class SystemMenuNode : public SharedObject {
public:
    SystemMenuNodeKind get_node_kind() const noexcept { return m_node_kind; }
    // The menu that holds this item, or for a submenu the menu that holds its submenu item; null
    // at the root and for an item not yet appended.
    SystemMenuBase* get_parent() const noexcept { return m_parent; }
    SystemMenuItem* get_previous() const noexcept { return m_previous; }
    SystemMenuItem* get_next() const noexcept { return m_next; }
    int get_position() const noexcept { return m_position; }
    unsigned get_command_id() const noexcept { return m_command_id; }

protected:
    explicit SystemMenuNode(SystemMenuNodeKind a_kind) : m_node_kind(a_kind) {}

    friend class SystemMenuBase;
    friend class SystemMenuSubmenuItem;
    SystemMenuNodeKind m_node_kind;
    SystemMenuBase* m_parent = nullptr;
    SystemMenuItem* m_previous = nullptr;
    SystemMenuItem* m_next = nullptr;
    int m_position = 0;
    unsigned m_command_id = 0;
};

} // namespace Vexa
