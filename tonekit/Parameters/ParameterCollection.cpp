#include "tonekit/Parameters/ParameterCollection.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

ParameterCollection::ParameterCollection() {
    m_root.m_owner = this;
}

void ParameterCollection::initialize(Device* a_device) {
    m_device = a_device;
    p_collect(&m_root);
    for (Parameter* parameter : m_parameters) {
        parameter->set_device(a_device);
        if (parameter->m_device_index == -1)
            a_device->register_parameter(parameter);
        parameter->do_initialize();
        parameter->reset();
    }
}

void ParameterCollection::p_collect(ParameterGroup* a_group) {
    for (ParameterNode* child : a_group->m_children) {
        if (child->m_kind == ParameterNode::kind_parameter) {
            auto* parameter = static_cast<Parameter*>(child);
            ORVO_ASSERT(!m_parameter_map.has_key(parameter->get_id()));
            m_parameters.push_back(parameter);
            m_parameter_map.emplace(parameter->m_id, parameter);
        } else {
            p_collect(static_cast<ParameterGroup*>(child));
        }
    }
}

Parameter* ParameterCollection::find(std::uint32_t a_id) const {
    const auto* parameter = m_parameter_map.find_value(a_id);
    return parameter ? *parameter : nullptr;
}

void ParameterCollection::commit_all() {
    for (Parameter* parameter : m_parameters)
        parameter->commit();
}

void ParameterCollection::reset_all() {
    for (Parameter* parameter : m_parameters)
        parameter->reset();
}

} // namespace Tonekit
