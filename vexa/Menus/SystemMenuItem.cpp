#include "vexa/Menus/SystemMenuItem.h"

#include "vexa/Menus/PopupMenuSession.h"
#include "vexa/Menus/SystemMenuBase.h"

#include <algorithm>

namespace Vexa {

SystemMenuItem::SystemMenuItem(SystemMenuItemKind a_kind, std::u16string a_label,
                               const KeyboardShortcut& a_shortcut)
    : SystemMenuNode(SystemMenuNodeKind_ITEM), m_item_kind(a_kind), m_label(std::move(a_label)),
      m_shortcut(a_kind == SystemMenuItemKind_SEPARATOR ? KeyboardShortcut() : a_shortcut) {}

SystemMenuItem::~SystemMenuItem() {
    p_unregister_shortcuts();
}

void SystemMenuItem::set_label(std::u16string a_label) {
    m_label = std::move(a_label);
    p_refresh();
}

std::u16string SystemMenuItem::get_display_text() const {
    if (is_separator())
        return {};
    return m_label + u'\t' + m_shortcut.get_text();
}

void SystemMenuItem::set_shortcut(const KeyboardShortcut& a_shortcut) {
    if (is_separator() || a_shortcut == m_shortcut)
        return;
    const bool registered = m_table != nullptr || m_parent != nullptr;
    SystemMenuItem::p_unregister_shortcuts();
    m_shortcut = a_shortcut;
    if (registered)
        SystemMenuItem::p_register_shortcuts();
    p_refresh();
}

void SystemMenuItem::set_checked(bool a_checked) {
    if (a_checked == m_checked)
        return;
    m_checked = a_checked;
    if (m_checked && m_item_kind == SystemMenuItemKind_RADIO)
        p_uncheck_radio_neighbours();
    p_refresh();
    SystemMenuItemCheckEvent event{this, m_checked};
    m_on_check_changed.emit(event);
}

void SystemMenuItem::set_enabled(bool a_enabled) {
    if (a_enabled == m_enabled)
        return;
    m_enabled = a_enabled;
    p_refresh();
}

void SystemMenuItem::activate() {
    if (m_item_kind == SystemMenuItemKind_SEPARATOR || m_item_kind == SystemMenuItemKind_SUBMENU)
        return;
    // A slot may let go of the menu (a combo box drops its pop-up when told the choice).
    SharedRef<SystemMenuItem> keep(get_reference_counter() > 0 ? this : nullptr);
    SystemMenuItemEvent event{this};
    m_on_activated.emit(event);
    if (!m_auto_check)
        return;
    if (m_item_kind == SystemMenuItemKind_CHECKBOX)
        set_checked(!m_checked);
    else if (m_item_kind == SystemMenuItemKind_RADIO && !m_checked)
        set_checked(true);
}

void SystemMenuItem::p_uncheck_radio_neighbours() {
    for (SystemMenuItem* item = m_previous; item && item->m_item_kind == SystemMenuItemKind_RADIO;
         item = item->m_previous)
        item->set_checked(false);
    for (SystemMenuItem* item = m_next; item && item->m_item_kind == SystemMenuItemKind_RADIO;
         item = item->m_next)
        item->set_checked(false);
}

void SystemMenuItem::p_register_shortcuts() {
    if (m_shortcut.is_empty() || !m_parent || m_table)
        return;
    m_table = &m_parent->get_root()->get_shortcut_table();
    m_table->add_value(m_shortcut, this);
}

// By value, not by a remembered position: positions move when an earlier binding goes.
void SystemMenuItem::p_unregister_shortcuts() {
    if (!m_table)
        return;
    const auto& values = m_table->get_values(m_shortcut);
    const auto found = std::find(values.begin(), values.end(), this);
    if (found != values.end())
        m_table->remove_value(m_shortcut, std::size_t(found - values.begin()));
    m_table = nullptr;
}

void SystemMenuItem::p_refresh() {
    PopupMenuSession::menu_changed();
}

} // namespace Vexa
