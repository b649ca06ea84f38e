#pragma once
// The style classes, style managers, property names and switch names that style sheets may use.
//
// Classes and managers are registered first (each manager with the class it serves); initialise
// then resolves base classes, lets every manager declare its properties and switches, and finds
// each class's effective manager (its own, or the nearest base class's). The registry is
// read-only afterwards. The process has one (get()); tests build their own.
//
// [ui-thread]

#include "orvo/Containers/Map.h"
#include "vexa/Styles/StyleClass.h"
#include "vexa/Styles/StyleManager.h"
#include "vexa/Styles/StylePropertyDescription.h"

#include <memory>
#include <vector>

namespace Vexa {

class StyleRegistry {
public:
    // Adds classes and managers to a registry that is not yet initialised.
    using Catalogue = void (*)(StyleRegistry&);

    StyleRegistry() = default;
    StyleRegistry(const StyleRegistry&) = delete;
    StyleRegistry& operator=(const StyleRegistry&) = delete;
    ~StyleRegistry();

    // The process's registry, built and initialised on first use from the toolkit's catalogue and
    // every catalogue added before. Fails "Invalid base class name.", "This class already has a
    // style manager." or "Something wrong." when the catalogues do not fit together.
    static StyleRegistry& get();
    // Fails `!s_instance` for a new catalogue once the process's registry exists.
    static void add_catalogue(Catalogue a_catalogue);

    // The new class's identifier. Fails `!m_initialized` and `!m_class_ids.has_key(a_name)`.
    StyleClassId add_class(const Orvo::WString& a_name, const Orvo::WString& a_base_name);
    // Takes ownership. Fails `!m_initialized`.
    StyleManager& add_manager(std::unique_ptr<StyleManager> a_manager);
    void initialize();
    bool is_initialized() const noexcept { return m_initialized; }

    // For managers' declare operations.
    void add_property(StyleManager* a_manager, const Orvo::WString& a_name, StyleValueType a_type,
                      int a_index);
    void add_enumerated_property(StyleManager* a_manager, const Orvo::WString& a_name, int a_index,
                                 Orvo::Map<Orvo::WString, StyleValueRef> a_values);
    void add_switch(StyleManager* a_manager, const Orvo::WString& a_name, int a_index);

    // Null when not registered.
    const StyleClass* find_class(const Orvo::WString& a_name) const;
    const StyleClass& get_class(StyleClassId a_id) const;
    std::size_t get_class_count() const noexcept { return m_classes.size(); }
    const StylePropertyDescription* find_property(const Orvo::WString& a_name) const;
    const StyleSwitchDescription* find_switch(const Orvo::WString& a_name) const;
    StyleManager* get_manager(StyleClassId a_id) const;
    StyleManager* get_effective_manager(StyleClassId a_id) const;
    // Whether a_class is a_ancestor or derives from it.
    bool derives_from(StyleClassId a_class, StyleClassId a_ancestor) const;

private:
    void p_resolve_bases();

    bool m_initialized = false;
    std::vector<StyleClass> m_classes; // index = identifier - 1
    Orvo::Map<Orvo::WString, StyleClassId> m_class_ids;
    std::vector<std::unique_ptr<StyleManager>> m_all_managers;
    std::vector<StyleManager*> m_managers;           // by identifier - 1
    std::vector<StyleManager*> m_effective_managers; // by identifier - 1
    Orvo::Map<Orvo::WString, StylePropertyDescription> m_property_descriptions;
    Orvo::Map<Orvo::WString, StyleSwitchDescription> m_switch_descriptions;

    // Lives until the process ends (or the plug-in module is unloaded); sheets refer to it.
    static std::unique_ptr<StyleRegistry> s_instance;
    static std::vector<Catalogue>& p_catalogues();
};

} // namespace Vexa
