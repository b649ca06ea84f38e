#pragma once
// A menu of a window's menu bar or the submenu of a submenu item. A window given one with
// SystemWindow::set_menu matches its key presses against the menu's shortcuts.

#include "vexa/Menus/SystemMenuBase.h"

namespace Vexa {

class SystemMenu : public SystemMenuBase {
public:
    SystemMenu() = default;
};

} // namespace Vexa
