#include "vexa/Styles/TableStyleManager.h"

#include "vexa/Styles/StyleRegistry.h"

namespace Vexa {

void TableStyleManager::copy_from_parent(Widget& a_widget, int a_index, Widget& a_parent) {
    if (m_behaviour.copy_from_parent)
        m_behaviour.copy_from_parent(a_widget, a_index, a_parent);
}

// A switch the widget class does not report yet is off.
bool TableStyleManager::get_switch_state(const Widget& a_widget, int a_index) const {
    return m_behaviour.switch_state && m_behaviour.switch_state(a_widget, a_index);
}

void TableStyleManager::declare(StyleRegistry& a_registry) {
    for (const StylePropertySpec& property : m_properties)
        a_registry.add_property(this, Orvo::WString(property.name), property.type, property.index);
    for (std::size_t i = 0; i < m_switches.size(); ++i)
        a_registry.add_switch(this, Orvo::WString(m_switches[i]), int(i));
}

void TableStyleManager::apply(Widget& a_widget, int a_index, const StyleValue& a_value) {
    if (m_behaviour.apply)
        m_behaviour.apply(a_widget, a_index, a_value);
}

} // namespace Vexa
