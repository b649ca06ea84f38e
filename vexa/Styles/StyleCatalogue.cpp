#include "vexa/Styles/StyleCatalogue.h"

#include "orvo/Core/Assert.h"
#include "vexa/Styles/StyleRegistry.h"

namespace Vexa {

void add_style_classes(StyleRegistry& a_registry, std::span<const StyleClassSpec> a_classes) {
    for (const StyleClassSpec& style_class : a_classes)
        a_registry.add_class(Orvo::WString(style_class.name),
                             style_class.base ? Orvo::WString(style_class.base) : Orvo::WString());
}

TableStyleManager& add_table_manager(StyleRegistry& a_registry, const char16_t* a_class_name,
                                     std::span<const StylePropertySpec> a_properties,
                                     std::span<const char16_t* const> a_switches,
                                     TableStyleManager::Behaviour a_behaviour) {
    const StyleClass* style_class = a_registry.find_class(Orvo::WString(a_class_name));
    ORVO_ASSERT(style_class);
    auto manager =
        std::make_unique<TableStyleManager>(style_class->id, a_properties, a_switches, a_behaviour);
    return static_cast<TableStyleManager&>(a_registry.add_manager(std::move(manager)));
}

} // namespace Vexa
