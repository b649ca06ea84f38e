#include "tonekit/ParameterTypes/Parameter_String.h"

#include "orvo/Binis/BiniNode.h"

#include <utility>

namespace Tonekit {

Parameter_String::Parameter_String(Orvo::WString a_default)
    : m_default(std::move(a_default)), m_value(m_default) {
    m_deferred_commit = false;
}

void Parameter_String::do_initialize() {
    m_value = m_default;
}

void Parameter_String::set_value(const Orvo::WString& a_value) {
    p_change_from_editor([&] { m_value = a_value; });
}

void Parameter_String::commit() {
    if (m_target)
        *m_target = m_value;
}

bool Parameter_String::do_load(Orvo::BiniNode& a_node) {
    a_node.require_value_type(Orvo::BiniValueType_STRING);
    m_value = a_node.get_value_string();
    return true;
}

void Parameter_String::reset() {
    m_value = m_default;
}

void Parameter_String::do_save(Orvo::BiniNode& a_node) {
    a_node.set_value_string(m_value);
}

void Parameter_String::copy_value(const Parameter& a_other) {
    if (const auto* other = dynamic_cast<const Parameter_String*>(&a_other))
        m_value = other->m_value;
}

void Parameter_String::get_value_text(Orvo::WString& a_text) {
    a_text = m_value;
}

} // namespace Tonekit
