#include "vexa/Widgets/ComboBoxItemTreeBuilder.h"

#include "orvo/Core/Assert.h"
#include "vexa/Menus/SystemMenuGenericBuilder.h"
#include "vexa/Menus/SystemMenuSubmenuItem.h"

namespace Vexa {

void ComboBoxItemTreeBuilder::add_item(std::u16string a_label, std::size_t a_id, bool a_current,
                                       bool a_enabled) {
    ComboBoxItem item{a_label, a_id, a_current, a_enabled, nullptr};
    if (m_menu_builder) {
        // A radio row marks the item shown now; the menu is thrown away after use, so the row's
        // own check rule changes nothing that lasts.
        item.menu_item = m_menu_builder->add_radio_item(std::move(a_label), {}, a_current);
        item.menu_item->set_enabled(a_enabled);
    }
    m_items.push_back(std::move(item));
}

void ComboBoxItemTreeBuilder::add_separator() {
    if (m_menu_builder)
        m_menu_builder->add_separator();
}

void ComboBoxItemTreeBuilder::begin_submenu(std::u16string a_label, bool a_open) {
    ++m_depth;
    if (a_open)
        m_open_submenus.push_back(a_label);
    if (m_menu_builder)
        m_menu_builder->begin_submenu(std::move(a_label))->set_checked(a_open);
}

void ComboBoxItemTreeBuilder::end_submenu() {
    ORVO_ASSERT(m_depth > 0);
    --m_depth;
    if (m_menu_builder)
        m_menu_builder->end_submenu();
}

int ComboBoxItemTreeBuilder::get_current_position() const noexcept {
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].current)
            return static_cast<int>(i);
    return -1;
}

const ComboBoxItem*
ComboBoxItemTreeBuilder::find(const SystemMenuItem* a_menu_item) const noexcept {
    for (const ComboBoxItem& item : m_items)
        if (a_menu_item && item.menu_item == a_menu_item)
            return &item;
    return nullptr;
}

} // namespace Vexa
