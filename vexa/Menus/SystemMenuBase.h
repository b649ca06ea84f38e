#pragma once
// A menu: its items in order (it holds a reference on each), and at the root of a tree the table
// of keyboard shortcuts of every item below it. Destroying a menu takes its items out last to
// first, so items that someone still holds no longer point into the tree or the table.

#include "vexa/Menus/KeyboardShortcutTable.h"
#include "vexa/Menus/SystemMenuNode.h"

#include <memory>

namespace Vexa {

class SystemMenuSubmenuItem;

class SystemMenuBase : public SystemMenuNode {
public:
    int get_item_count() const noexcept { return m_item_count; }
    SystemMenuItem* get_first() const noexcept { return m_first; }
    SystemMenuItem* get_last() const noexcept { return m_last; }
    SystemMenuItem* get_item(int a_position) const noexcept;
    // The submenu item that shows this menu, null for a root.
    SystemMenuSubmenuItem* get_owner_item() const noexcept { return m_owner_item; }
    SystemMenuBase* get_root() noexcept;
    // A pop-up of the menu is at least this wide (a combo box's list matches the box).
    void set_minimum_width(int a_width) noexcept { m_minimum_width = a_width; }
    int get_minimum_width() const noexcept { return m_minimum_width; }

    // Appends the item (taking a reference), registers its shortcuts with the root's table, and
    // lets a checked radio item uncheck its neighbours. Fails `a_item`, `!a_item->get_parent()` and
    // `menu != submenu` for an item that is null, already in a menu, or holds this menu or one
    // above it.
    void append(SystemMenuItem* a_item);

    // The shortcut table of the tree this menu is the root of; the items of submenus are in it.
    KeyboardShortcutTable<SystemMenuItem*>& get_shortcut_table();
    // A key press: the first item bound to the key with the modifiers (ShortcutModifiers bits) is
    // activated. The modifier keys alone never match. Returns whether an item was activated.
    bool try_shortcut(KeyCode a_key, unsigned a_modifiers);

    // Numbers the items depth-first from 1 (submenu items before their submenus' items) and
    // returns the last number given.
    unsigned number_items(unsigned a_first = 1);
    // The item with the identifier, depth-first; null for 0 and unknown numbers.
    SystemMenuItem* find_item(unsigned a_command_id) const;

protected:
    SystemMenuBase();
    ~SystemMenuBase() override;

private:
    friend class SystemMenuItem;
    friend class SystemMenuSubmenuItem;

    int m_item_count = 0;
    SystemMenuItem* m_first = nullptr;
    SystemMenuItem* m_last = nullptr;
    SystemMenuSubmenuItem* m_owner_item = nullptr;
    int m_minimum_width = 0;
    std::unique_ptr<KeyboardShortcutTable<SystemMenuItem*>> m_shortcuts;
};

} // namespace Vexa
