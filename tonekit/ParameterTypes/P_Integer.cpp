#include "tonekit/ParameterTypes/P_Integer.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Utf.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace Tonekit {

P_Integer::P_Integer(int a_start, int a_end, int a_default)
    : m_start(a_start), m_end(a_end), m_default(a_default), m_value(a_default) {}

void P_Integer::do_initialize() {
    m_span = std::int64_t(m_end) - std::int64_t(m_start);
    if (m_span < 0)
        m_span = -m_span;
    m_count = double(m_span) + 1.0;
    m_half = 1.0 / (2.0 * m_count);
    m_step = m_start <= m_end ? 1.0 / m_count : -1.0 / m_count;
    m_minimum = std::min(m_start, m_end);
    m_maximum = std::max(m_start, m_end);
    m_normalize = p_normalize;
    m_denormalize = p_denormalize;
}

int P_Integer::p_clamp(std::int64_t a_value) const noexcept {
    return int(std::clamp<std::int64_t>(a_value, m_minimum, m_maximum));
}

void P_Integer::p_normalize(Parameter* a_parameter) {
    auto& self = static_cast<P_Integer&>(*a_parameter);
    const double offset = double(std::int64_t(self.m_value) - std::int64_t(self.m_start));
    self.m_normalized_value = float(offset * self.m_step + self.m_half);
}

void P_Integer::p_denormalize(Parameter* a_parameter) {
    auto& self = static_cast<P_Integer&>(*a_parameter);
    const double scaled = std::floor(self.m_count * clamp_normalized(self.m_normalized_value));
    const std::int64_t k = std::min(std::int64_t(scaled), self.m_span);
    self.m_value = self.m_start <= self.m_end ? int(std::int64_t(self.m_start) + k)
                                              : int(std::int64_t(self.m_start) - k);
}

void P_Integer::set_value(int a_value) {
    const int value = p_clamp(a_value);
    if (value == m_value)
        return;
    p_change_from_editor([&] {
        m_value = value;
        m_normalize(this);
    });
}

void P_Integer::commit() {
    if (m_target)
        *m_target = m_value;
}

bool P_Integer::do_load(Orvo::BiniNode& a_node) {
    a_node.require_value_type(Orvo::BiniValueType_INT32);
    m_value = p_clamp(a_node.get_value_int32());
    m_normalize(this);
    return true;
}

void P_Integer::reset() {
    m_value = p_clamp(m_default);
    m_normalize(this);
}

void P_Integer::do_save(Orvo::BiniNode& a_node) {
    a_node.set_value_int32(m_value);
}

bool P_Integer::from_string(const Orvo::WString&) {
    return false;
}

void P_Integer::copy_value(const Parameter& a_other) {
    if (const auto* other = dynamic_cast<const P_Integer*>(&a_other)) {
        m_value = p_clamp(other->m_value);
        m_normalize(this);
    }
}

void P_Integer::get_number_text(Orvo::WString& a_text) {
    a_text = Orvo::utf8_to_utf16_lossy(std::to_string(m_value));
}

void P_Integer::get_number_text(std::string& a_text) {
    a_text = std::to_string(m_value);
}

void P_Integer::get_value_text(Orvo::WString& a_text) {
    get_number_text(a_text);
}

} // namespace Tonekit
