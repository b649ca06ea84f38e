#include "vexa/Styles/StyleSheet.h"

#include "vexa/Styles/StyleRegistry.h"

#include <algorithm>

namespace Vexa {

StyleClassDescription* StyleSheet::find_description(StyleClassId a_class) const {
    const auto* found = m_descriptions.find_value(a_class);
    return found ? found->get() : nullptr;
}

StyleClassDescription& StyleSheet::get_or_add_description(StyleClassId a_class) {
    auto& description = m_descriptions[a_class];
    if (!description)
        description = std::make_unique<StyleClassDescription>();
    return *description;
}

StyleClassDescription* StyleSheet::find_effective_description(StyleClassId a_class) const {
    for (StyleClassId current = a_class; current; current = m_registry.get_class(current).base_id)
        if (StyleClassDescription* found = find_description(current))
            return found;
    return nullptr;
}

void StyleSheet::apply(Widget& a_widget, StyleClassId a_class, const Orvo::WString& a_subclass,
                       Widget* a_parent) const {
    const StyleClassDescription* description = find_effective_description(a_class);
    if (!description)
        return;
    const StyleTarget target{a_widget, a_class, a_subclass, a_parent, m_registry};
    std::vector<const StyleClassDescription*> applying;
    p_apply(*description, target, applying);
}

// A sheet may make classes inherit from each other in a loop; a description that is already being
// applied further down the chain is not applied again.
void StyleSheet::p_apply(const StyleClassDescription& a_description, const StyleTarget& a_target,
                         std::vector<const StyleClassDescription*>& a_applying) const {
    if (std::find(a_applying.begin(), a_applying.end(), &a_description) != a_applying.end())
        return;
    a_applying.push_back(&a_description);
    if (a_description.get_inherited())
        if (const StyleClassDescription* inherited =
                find_effective_description(a_description.get_inherited()))
            p_apply(*inherited, a_target, a_applying);
    a_description.get_block().apply(a_target);
    const StyleSubclassDescription* subclass =
        a_target.subclass.empty() ? nullptr : a_description.find_subclass(a_target.subclass);
    (subclass ? *subclass : a_description.get_default_subclass()).apply(a_target);
    a_applying.pop_back();
}

} // namespace Vexa
