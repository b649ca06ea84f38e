#include "tonekit/ParameterTypes/P_Boolean.h"

#include "orvo/Binis/BiniNode.h"

namespace Tonekit {

P_Boolean::P_Boolean(bool a_default) : m_default(a_default), m_value(a_default) {}

void P_Boolean::do_initialize() {
    m_normalize = p_normalize;
    m_denormalize = p_denormalize;
}

void P_Boolean::p_normalize(Parameter* a_parameter) {
    auto& self = static_cast<P_Boolean&>(*a_parameter);
    self.m_normalized_value = self.m_value ? 1.0f : 0.0f;
}

void P_Boolean::p_denormalize(Parameter* a_parameter) {
    auto& self = static_cast<P_Boolean&>(*a_parameter);
    self.m_value = self.m_normalized_value >= 0.5f;
}

void P_Boolean::set_value(bool a_value) {
    if (a_value == m_value)
        return;
    p_change_from_editor([&] {
        m_value = a_value;
        m_normalize(this);
    });
}

void P_Boolean::commit() {
    if (m_target)
        *m_target = m_value;
}

bool P_Boolean::do_load(Orvo::BiniNode& a_node) {
    a_node.require_value_type(Orvo::BiniValueType_BOOL);
    m_value = a_node.get_value_bool();
    m_normalize(this);
    return true;
}

void P_Boolean::reset() {
    m_value = m_default;
    m_normalize(this);
}

void P_Boolean::do_save(Orvo::BiniNode& a_node) {
    a_node.set_value_bool(m_value);
}

bool P_Boolean::from_string(const Orvo::WString&) {
    return false;
}

void P_Boolean::copy_value(const Parameter& a_other) {
    if (const auto* other = dynamic_cast<const P_Boolean*>(&a_other)) {
        m_value = other->m_value;
        m_normalize(this);
    }
}

void P_Boolean::get_number_text(Orvo::WString& a_text) {
    a_text = m_value ? u"Yes" : u"No";
}

void P_Boolean::get_number_text(std::string& a_text) {
    a_text = m_value ? "Yes" : "No";
}

void P_Boolean::get_value_text(Orvo::WString& a_text) {
    a_text = m_value ? u"On" : u"Off";
}

} // namespace Tonekit
