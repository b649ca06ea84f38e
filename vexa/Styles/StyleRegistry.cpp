#include "vexa/Styles/StyleRegistry.h"

#include "orvo/Core/Assert.h"
#include "vexa/Styles/ToolkitStyles.h"

namespace Vexa {

std::unique_ptr<StyleRegistry> StyleRegistry::s_instance;

StyleRegistry::~StyleRegistry() = default;

std::vector<StyleRegistry::Catalogue>& StyleRegistry::p_catalogues() {
    static std::vector<Catalogue> catalogues;
    return catalogues;
}

StyleRegistry& StyleRegistry::get() {
    if (!s_instance) {
        auto registry = std::make_unique<StyleRegistry>();
        add_toolkit_styles(*registry);
        for (Catalogue catalogue : p_catalogues())
            catalogue(*registry);
        registry->initialize();
        s_instance = std::move(registry);
    }
    return *s_instance;
}

// Adding a catalogue again is harmless, also after the registry exists (every plug-in instance
// adds its own at start-up).
void StyleRegistry::add_catalogue(Catalogue a_catalogue) {
    for (Catalogue known : p_catalogues())
        if (known == a_catalogue)
            return;
    ORVO_ASSERT(!s_instance);
    p_catalogues().push_back(a_catalogue);
}

StyleClassId StyleRegistry::add_class(const Orvo::WString& a_name,
                                      const Orvo::WString& a_base_name) {
    ORVO_ASSERT(!m_initialized);
    ORVO_ASSERT(!m_class_ids.has_key(a_name));
    const StyleClassId id = StyleClassId(m_classes.size() + 1);
    m_classes.push_back(StyleClass{a_name, a_base_name, id, 0});
    m_class_ids.emplace(a_name, id);
    return id;
}

StyleManager& StyleRegistry::add_manager(std::unique_ptr<StyleManager> a_manager) {
    ORVO_ASSERT(!m_initialized);
    m_all_managers.push_back(std::move(a_manager));
    return *m_all_managers.back();
}

void StyleRegistry::initialize() {
    ORVO_ASSERT(!m_initialized);
    p_resolve_bases();
    m_managers.assign(m_classes.size(), nullptr);
    for (const auto& manager : m_all_managers) {
        const StyleClassId id = manager->get_widget_class();
        ORVO_ASSERT(id >= 1 && id <= m_classes.size());
        if (m_managers[id - 1])
            throw Orvo::Exception(Orvo::WString(u"This class already has a style manager."));
        m_managers[id - 1] = manager.get();
        manager->declare(*this);
    }
    m_effective_managers.assign(m_classes.size(), nullptr);
    for (StyleClassId id = 1; id <= m_classes.size(); ++id) {
        StyleClassId current = id;
        while (current && !m_managers[current - 1])
            current = m_classes[current - 1].base_id;
        if (!current)
            throw Orvo::Exception(Orvo::WString(u"Something wrong."));
        m_effective_managers[id - 1] = m_managers[current - 1];
    }
    m_initialized = true;
}

// Every base must be registered, and following bases must end at a root: a loop of base names
// would make every walk up the classes endless.
void StyleRegistry::p_resolve_bases() {
    for (StyleClass& style_class : m_classes) {
        if (style_class.base_name.empty())
            continue;
        const StyleClassId* base = m_class_ids.find_value(style_class.base_name);
        if (!base)
            throw Orvo::Exception(Orvo::WString(u"Invalid base class name."));
        style_class.base_id = *base;
    }
    for (const StyleClass& style_class : m_classes) {
        StyleClassId current = style_class.base_id;
        for (std::size_t steps = 0; current; ++steps) {
            if (steps >= m_classes.size())
                throw Orvo::Exception(Orvo::WString(u"Invalid base class name."));
            current = m_classes[current - 1].base_id;
        }
    }
}

void StyleRegistry::add_property(StyleManager* a_manager, const Orvo::WString& a_name,
                                 StyleValueType a_type, int a_index) {
    ORVO_ASSERT(a_manager);
    m_property_descriptions[a_name].registrations[a_type].push_back(
        StylePropertyRegistration{a_manager, a_index, {}});
}

void StyleRegistry::add_enumerated_property(StyleManager* a_manager, const Orvo::WString& a_name,
                                            int a_index,
                                            Orvo::Map<Orvo::WString, StyleValueRef> a_values) {
    ORVO_ASSERT(a_manager);
    m_property_descriptions[a_name].registrations[StyleValueType_ENUMERATED].push_back(
        StylePropertyRegistration{a_manager, a_index, std::move(a_values)});
}

void StyleRegistry::add_switch(StyleManager* a_manager, const Orvo::WString& a_name, int a_index) {
    ORVO_ASSERT(a_manager);
    ORVO_ASSERT(!m_switch_descriptions.has_key(a_name));
    m_switch_descriptions.emplace(a_name, StyleSwitchDescription{a_manager, a_index});
}

const StyleClass* StyleRegistry::find_class(const Orvo::WString& a_name) const {
    const StyleClassId* id = m_class_ids.find_value(a_name);
    return id ? &m_classes[*id - 1] : nullptr;
}

const StyleClass& StyleRegistry::get_class(StyleClassId a_id) const {
    ORVO_ASSERT(a_id >= 1 && a_id <= m_classes.size());
    return m_classes[a_id - 1];
}

const StylePropertyDescription* StyleRegistry::find_property(const Orvo::WString& a_name) const {
    return m_property_descriptions.find_value(a_name);
}

const StyleSwitchDescription* StyleRegistry::find_switch(const Orvo::WString& a_name) const {
    return m_switch_descriptions.find_value(a_name);
}

StyleManager* StyleRegistry::get_manager(StyleClassId a_id) const {
    ORVO_ASSERT(a_id >= 1 && a_id <= m_managers.size());
    return m_managers[a_id - 1];
}

StyleManager* StyleRegistry::get_effective_manager(StyleClassId a_id) const {
    ORVO_ASSERT(a_id >= 1 && a_id <= m_effective_managers.size());
    return m_effective_managers[a_id - 1];
}

bool StyleRegistry::derives_from(StyleClassId a_class, StyleClassId a_ancestor) const {
    for (StyleClassId current = a_class; current; current = get_class(current).base_id)
        if (current == a_ancestor)
            return true;
    return false;
}

} // namespace Vexa
