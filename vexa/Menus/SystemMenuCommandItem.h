#pragma once
// An item that only reports its activation.

#include "vexa/Menus/SystemMenuItem.h"

namespace Vexa {

class SystemMenuCommandItem : public SystemMenuItem {
public:
    explicit SystemMenuCommandItem(std::u16string a_label, const KeyboardShortcut& a_shortcut = {})
        : SystemMenuItem(SystemMenuItemKind_COMMAND, std::move(a_label), a_shortcut) {}
};

} // namespace Vexa
