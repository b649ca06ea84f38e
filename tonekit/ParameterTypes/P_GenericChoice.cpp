#include "tonekit/ParameterTypes/P_GenericChoice.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Assert.h"
#include "tonekit/ParameterTypes/P_GenericChoice_Iterator.h"

#include <algorithm>
#include <cmath>

namespace Tonekit {

P_GenericChoice::P_GenericChoice() = default;

// --- building ------------------------------------------------------------------------------------

void P_GenericChoice::begin_options() {
    ORVO_ASSERT(!m_builder);
    m_builder = std::make_unique<Builder>();
    m_builder->m_groups.push_back(&m_root);
}

P_GenericChoice_Option* P_GenericChoice::append_option(std::uint32_t a_id,
                                                       const Orvo::WString& a_name,
                                                       const Orvo::WString& a_label) {
    return p_append_option(std::make_unique<P_GenericChoice_Option>(a_id, a_name, a_label));
}

P_GenericChoice_Option*
P_GenericChoice::p_append_option(std::unique_ptr<P_GenericChoice_Option> a_option) {
    ORVO_ASSERT(m_builder);
    P_GenericChoice_Option* option = a_option.get();
    m_builder->m_groups.back()->m_children.push_back(std::move(a_option));
    return option;
}

void P_GenericChoice::begin_group(const Orvo::WString& a_name) {
    ORVO_ASSERT(m_builder);
    auto group = std::make_unique<P_GenericChoice_Group>(a_name);
    P_GenericChoice_Group* open = group.get();
    m_builder->m_groups.back()->m_children.push_back(std::move(group));
    m_builder->m_groups.push_back(open);
}

void P_GenericChoice::end_group() {
    ORVO_ASSERT(m_builder);
    ORVO_ASSERT(m_builder->m_groups.size() > 1);
    m_builder->m_groups.pop_back();
}

void P_GenericChoice::append_separator() {
    ORVO_ASSERT(m_builder);
    m_builder->m_groups.back()->m_children.push_back(std::make_unique<P_GenericChoice_Separator>());
}

void P_GenericChoice::end_options() {
    ORVO_ASSERT(m_builder);
    m_builder.reset();
}

// --- definition ----------------------------------------------------------------------------------

void P_GenericChoice::do_initialize() {
    ORVO_ASSERT(!m_builder);
    p_collect_options();
    ORVO_ASSERT(m_options_vector.size());
    const float count = float(m_options_vector.size());
    for (P_GenericChoice_Option* option : m_options_vector)
        option->m_centre = (float(option->m_index) + 0.5f) / count;
    m_normalize = p_normalize;
    m_denormalize = p_denormalize;
}

void P_GenericChoice::p_collect_options() {
    ORVO_ASSERT(m_options_vector.empty());
    P_GenericChoice_Iterator iterator(m_root);
    while (P_GenericChoice_Node* node = iterator.next()) {
        if (node->m_kind != P_GenericChoice_Node::Kind_OPTION)
            continue;
        auto* option = static_cast<P_GenericChoice_Option*>(node);
        ORVO_ASSERT(option->m_id != 0);
        option->m_index = unsigned(m_options_vector.size());
        m_options_vector.push_back(option);
    }
    for (P_GenericChoice_Option* option : m_options_vector) {
        if (m_option_map.has_key(option->m_id))
            throw Orvo::Exception(u"Multiple options with the same id.");
        m_option_map.emplace(option->m_id, option);
    }
}

void P_GenericChoice::p_normalize(Parameter* a_parameter) {
    auto& self = static_cast<P_GenericChoice&>(*a_parameter);
    if (self.m_current)
        self.m_normalized_value = self.m_current->m_centre;
}

void P_GenericChoice::p_denormalize(Parameter* a_parameter) {
    auto& self = static_cast<P_GenericChoice&>(*a_parameter);
    const std::size_t count = self.m_options_vector.size();
    const float scaled = std::floor(clamp_normalized(self.m_normalized_value) * float(count));
    self.m_current = self.m_options_vector[std::min(std::size_t(scaled), count - 1)];
}

// --- values --------------------------------------------------------------------------------------

P_GenericChoice_Option* P_GenericChoice::find_option(std::uint32_t a_id) const {
    P_GenericChoice_Option* const* option = m_option_map.find_value(a_id);
    return option ? *option : nullptr;
}

bool P_GenericChoice::select(std::uint32_t a_id) {
    ORVO_ASSERT(m_options_vector.size());
    P_GenericChoice_Option* option = find_option(a_id);
    if (!option)
        option = m_options_vector.front();
    m_normalized_value = option->m_centre;
    if (option == m_current)
        return false;
    m_current = option;
    return true;
}

void P_GenericChoice::set_option(std::uint32_t a_id) {
    if (m_current && m_current->m_id == a_id)
        return;
    p_change_from_editor([&] { select(a_id); });
}

void P_GenericChoice::reset() {
    select(m_default_id);
}

bool P_GenericChoice::do_load(Orvo::BiniNode& a_node) {
    a_node.require_value_type(Orvo::BiniValueType_UINT32);
    const std::uint32_t id = translate_loaded_id(a_node.get_value_uint32());
    if (!find_option(id))
        return false;
    if (m_editable_option_id != 0 && id == m_editable_option_id) {
        // The option's own value is part of the data; without it the option cannot be used.
        Orvo::BiniNode* user = a_node.find_child(child_user);
        if (!user)
            return false;
        do_load_editable_value(*user);
    }
    select(id);
    return true;
}

void P_GenericChoice::do_save(Orvo::BiniNode& a_node) {
    a_node.set_value_uint32(translate_saved_id(get_current_id()));
    if (m_current && m_editable_option_id != 0 && m_current->m_id == m_editable_option_id)
        do_save_editable_value(*a_node.add_child(child_user));
}

void P_GenericChoice::copy_value(const Parameter& a_other) {
    const auto* other = dynamic_cast<const P_GenericChoice*>(&a_other);
    if (!other || !other->m_current || other->m_current->m_index >= m_options_vector.size())
        return;
    select(m_options_vector[other->m_current->m_index]->m_id);
}

void P_GenericChoice::get_value_text(Orvo::WString& a_text) {
    a_text = m_current ? m_current->m_label : Orvo::WString();
}

void P_GenericChoice::do_load_editable_value(Orvo::BiniNode&) {
    Orvo::not_overridden("P_GenericChoice::do_load_editable_value()");
}

void P_GenericChoice::do_save_editable_value(Orvo::BiniNode&) {
    Orvo::not_overridden("P_GenericChoice::do_save_editable_value()");
}

} // namespace Tonekit
