#pragma once
// A style manager described by tables: the class it serves, its properties (name, value type,
// index) and its switches (name, index = position in the table). What it does with a value is
// given by the widget class as plain functions; a class that keeps no storage for a property
// yet leaves the applier out and the sheet's value is accepted and dropped, as the built-in
// default stays in force.

#include "vexa/Styles/StyleManager.h"
#include "vexa/Styles/StyleValueType.h"

#include <span>

namespace Vexa {

struct StylePropertySpec {
    const char16_t* name;
    StyleValueType type;
    int index;
};

class TableStyleManager : public StyleManager {
public:
    using Applier = void (*)(Widget& a_widget, int a_index, const StyleValue& a_value);
    using ParentCopier = void (*)(Widget& a_widget, int a_index, Widget& a_parent);
    using SwitchReader = bool (*)(const Widget& a_widget, int a_index);

    // Null functions: nothing is stored, switches are off. `{}` gives all three null.
    struct Behaviour {
        Applier apply;
        ParentCopier copy_from_parent;
        SwitchReader switch_state;
    };

    TableStyleManager(StyleClassId a_class, std::span<const StylePropertySpec> a_properties,
                      std::span<const char16_t* const> a_switches, Behaviour a_behaviour = {})
        : m_class(a_class), m_properties(a_properties), m_switches(a_switches),
          m_behaviour(a_behaviour) {}

    // For the widget class, once, before any sheet is applied.
    void set_behaviour(const Behaviour& a_behaviour) noexcept { m_behaviour = a_behaviour; }

    void copy_from_parent(Widget& a_widget, int a_index, Widget& a_parent) override;
    bool get_switch_state(const Widget& a_widget, int a_index) const override;
    StyleClassId get_widget_class() const override { return m_class; }
    void declare(StyleRegistry& a_registry) override;
    void apply(Widget& a_widget, int a_index, const StyleValue& a_value) override;

private:
    StyleClassId m_class;
    std::span<const StylePropertySpec> m_properties;
    std::span<const char16_t* const> m_switches;
    Behaviour m_behaviour;
};

} // namespace Vexa
