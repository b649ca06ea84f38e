#pragma once
// A line between groups of items; it also ends a radio group.

#include "vexa/Menus/SystemMenuItem.h"

namespace Vexa {

class SystemMenuSeparatorItem : public SystemMenuItem {
public:
    SystemMenuSeparatorItem() : SystemMenuItem(SystemMenuItemKind_SEPARATOR, {}, {}) {}
};

} // namespace Vexa
