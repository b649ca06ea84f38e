#pragma once
// Helpers for the catalogues that libraries give the registry: their style classes with their
// bases, and table-described managers for classes registered before.

#include "vexa/Styles/TableStyleManager.h"

#include <span>

namespace Vexa {

class StyleRegistry;

struct StyleClassSpec {
    const char16_t* name;
    const char16_t* base; // nullptr for the root class
};

void add_style_classes(StyleRegistry& a_registry, std::span<const StyleClassSpec> a_classes);
// Fails `style_class` when a_class_name is not registered.
TableStyleManager& add_table_manager(StyleRegistry& a_registry, const char16_t* a_class_name,
                                     std::span<const StylePropertySpec> a_properties,
                                     std::span<const char16_t* const> a_switches,
                                     TableStyleManager::Behaviour a_behaviour = {});

} // namespace Vexa
