#pragma once
// An item that opens a menu beside itself. It holds the submenu; the submenu's items bind their
// shortcuts in the table of the tree the item is appended to.

#include "vexa/Menus/SystemMenu.h"
#include "vexa/Menus/SystemMenuItem.h"

namespace Vexa {

class SystemMenuSubmenuItem : public SystemMenuItem {
public:
    // A new, empty submenu when none is given.
    explicit SystemMenuSubmenuItem(std::u16string a_label, SystemMenu* a_submenu = nullptr);
    ~SystemMenuSubmenuItem() override;

    SystemMenu* get_submenu() const noexcept override { return m_submenu.get(); }

private:
    void p_register_shortcuts() override;
    void p_unregister_shortcuts() override;

    SharedRef<SystemMenu> m_submenu;
};

} // namespace Vexa
