#pragma once
// An item with a check mark that activation toggles; as a radio item (a round mark), activation
// checks it and unchecks the radio items adjacent to it.

#include "vexa/Menus/SystemMenuItem.h"

namespace Vexa {

class SystemMenuCheckboxItem : public SystemMenuItem {
public:
    SystemMenuCheckboxItem(std::u16string a_label, const KeyboardShortcut& a_shortcut = {},
                           bool a_checked = false, bool a_radio = false)
        : SystemMenuItem(a_radio ? SystemMenuItemKind_RADIO : SystemMenuItemKind_CHECKBOX,
                         std::move(a_label), a_shortcut) {
        set_checked(a_checked);
    }
    bool is_radio() const noexcept { return get_item_kind() == SystemMenuItemKind_RADIO; }
};

} // namespace Vexa
