#include "tonekit/Parameters/AssignableParameterSlot.h"

namespace Tonekit {

AssignableParameterSlot::AssignableParameterSlot() {
    m_persistent = false;
    m_automatable = true;
    m_minimum_plugin_internal_version = 1;
    m_host_sort_key = -1;
}

bool AssignableParameterSlot::do_load(Orvo::BiniNode&) {
    return true;
}
void AssignableParameterSlot::do_save(Orvo::BiniNode&) {}
void AssignableParameterSlot::copy_value(const Parameter&) {}
bool AssignableParameterSlot::from_string(const Orvo::WString&) {
    return false;
}
void AssignableParameterSlot::get_number_text(Orvo::WString& a_text) {
    a_text.clear();
}
void AssignableParameterSlot::get_number_text(std::string& a_text) {
    a_text.clear();
}

} // namespace Tonekit
