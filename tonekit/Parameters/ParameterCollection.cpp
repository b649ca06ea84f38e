#include "tonekit/Parameters/ParameterCollection.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Parameters/CommittableCallback.h"
#include "tonekit/Parameters/Parameter.h"

#include <typeinfo>

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
        if (!parameter->get_variations().empty())
            parameter->p_use_default_variation();
        parameter->reset();
        parameter->rebuild_smoother();
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

void ParameterCollection::commit_all(bool a_with_callbacks) {
    CommittableCallback_ListHead callbacks;
    for (Parameter* parameter : m_parameters) {
        parameter->commit_now();
        if (a_with_callbacks)
            callbacks.append(parameter->get_committable_callback());
    }
    callbacks.commit_all();
}

void ParameterCollection::reset_all() {
    for (Parameter* parameter : m_parameters)
        parameter->reset();
}

void ParameterCollection::restore_defaults() {
    for (Parameter* parameter : m_parameters) {
        if (!parameter->get_variations().empty())
            parameter->p_use_default_variation();
        parameter->reset();
    }
}

void ParameterCollection::save(Orvo::BiniNode& a_node) const {
    Orvo::BiniNode* list = a_node.add_child(child_parameters);
    for (Parameter* parameter : m_parameters)
        if (parameter->m_persistent)
            parameter->save(*list->add_child(parameter->m_id));
}

bool ParameterCollection::load(Orvo::BiniNode& a_node, unsigned a_version, LoadReport& a_report) {
    Orvo::BiniNode* list = a_node.find_child(child_parameters);
    if (!list) {
        reset_all();
        return false;
    }
    bool complete = true;
    for (Parameter* parameter : m_parameters) {
        if (!parameter->m_persistent)
            continue;
        Orvo::BiniNode* stored = parameter->m_minimum_plugin_internal_version <= a_version
                                     ? list->find_child(parameter->m_id)
                                     : nullptr;
        if (stored) {
            complete = parameter->load(*stored, a_report) && complete;
        } else {
            parameter->reset();
            complete = false;
        }
    }
    return complete;
}

void ParameterCollection::copy_from(const ParameterCollection& a_other) {
    for (Parameter* parameter : m_parameters) {
        const Parameter* source = a_other.find(parameter->m_id);
        // copy_value reads the other parameter as its own kind.
        if (!source || typeid(*source) != typeid(*parameter))
            continue;
        if (parameter->m_automatable)
            parameter->m_normalized_value = Parameter::clamp_normalized(source->m_normalized_value);
        parameter->copy_value(*source);
    }
}

} // namespace Tonekit
