#pragma once
// Modulators and their entries build their parameters the same way: flat under the collection's
// root, reachable by the host only through an assignable slot.

#include "orvo/Core/String.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/Parameters/ParameterCollection.h"
#include "tonekit/Parameters/ParameterGroup.h"

#include <cstdint>

namespace Tonekit::OwnedParameters {

inline void add(ParameterCollection& a_collection, ParameterOwner* a_owner, Parameter* a_parameter,
                std::uint32_t a_id, const Orvo::WString& a_name, bool a_offered) {
    ParameterGroup& root = a_collection.get_root();
    a_parameter->m_id = a_id;
    a_parameter->set_display_name(a_name);
    a_parameter->m_offered_for_slot_assignment = a_offered;
    a_parameter->m_automatable = a_offered;
    a_parameter->m_host_visible = false;
    a_parameter->m_parent_group = &root;
    a_parameter->set_owner(a_owner);
    root.m_children.push_back(a_parameter);
    root.m_parameters.push_back(a_parameter);
}

// A float parameter read per sample: its internal value goes to a_lanes (16 floats, aligned).
inline FloatParameter* add_float(ParameterCollection& a_collection, ParameterOwner* a_owner,
                                 std::uint32_t a_id, const Orvo::WString& a_name, float* a_lanes) {
    auto* parameter = new FloatParameter;
    parameter->bind_lanes(a_lanes, FloatParameter::lane_count);
    add(a_collection, a_owner, parameter, a_id, a_name, true);
    return parameter;
}

} // namespace Tonekit::OwnedParameters
