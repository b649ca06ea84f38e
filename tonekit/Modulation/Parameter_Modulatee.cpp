#include "tonekit/Modulation/Parameter_Modulatee.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Exception.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/Modulatee.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/ModulationPath.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"

namespace Tonekit {
namespace {

// A negative or absent index means "not owned by one".
int p_optional_index(const Orvo::BiniNode& a_node, std::uint32_t a_id) {
    const Orvo::BiniNode* child = a_node.find_child(a_id);
    if (!child)
        return -1;
    child->require_value_type(Orvo::BiniValueType_INT32);
    return child->get_value_int32();
}

[[noreturn]] void p_cannot_be_modulated() {
    throw Orvo::Exception(u"Assigned parameter cannot be modulated.");
}

} // namespace

Parameter_Modulatee::Parameter_Modulatee(ModulatorEntry* a_entry) : m_entry(a_entry) {
    // The value is a pointer: nothing to automate, and a change needs the structural locks.
    m_automatable = false;
    m_deferred_commit = false;
}

void Parameter_Modulatee::set_value(Modulatee* a_target) {
    if (a_target) {
        ORVO_ASSERT(a_target->get_parameter());
        if (!a_target->m_accepts_modulation)
            p_cannot_be_modulated();
    }
    ModulationManager* manager = m_entry->m_modulator->m_manager;
    if (!manager) {
        m_value = a_target;
        return;
    }
    auto locks = manager->get_device()->lock_structure();
    if (m_value == a_target)
        return;
    m_value = a_target;
    manager->target_changed(m_entry);
}

bool Parameter_Modulatee::do_load(Orvo::BiniNode& a_node) {
    const Orvo::BiniNode* identifier = a_node.get_child(child_identifier);
    identifier->require_value_type(Orvo::BiniValueType_UINT32);
    const std::uint32_t id = identifier->get_value_uint32();
    if (id == 0) {
        m_value = nullptr;
        return true;
    }
    ModulationManager* manager = m_entry->m_modulator->m_manager;
    ORVO_ASSERT(manager);
    Parameter* parameter = nullptr;
    const int modulator_index = p_optional_index(a_node, child_modulator);
    if (modulator_index >= 0) {
        if (unsigned(modulator_index) >= manager->get_modulator_count())
            throw Orvo::Exception(u"Invalid modulator index.");
        Modulator* modulator = manager->get_modulator(unsigned(modulator_index));
        const int entry_index = p_optional_index(a_node, child_entry);
        if (entry_index >= 0) {
            if (unsigned(entry_index) >= modulator->get_entry_count())
                throw Orvo::Exception(u"Invalid entry index.");
            parameter = modulator->get_entry(unsigned(entry_index))->find_parameter(id);
        } else {
            parameter = modulator->find_parameter(id);
        }
    } else {
        parameter = manager->get_device()->get_program()->get_collection().find(id);
    }
    Modulatee* target = parameter ? parameter->get_modulatee() : nullptr;
    if (!target)
        throw Orvo::Exception(u"Invalid modulatee id.");
    if (!target->m_accepts_modulation)
        p_cannot_be_modulated();
    m_value = target;
    return true;
}

void Parameter_Modulatee::do_save(Orvo::BiniNode& a_node) {
    Parameter* parameter = m_value ? m_value->get_parameter() : nullptr;
    a_node.add_child(child_identifier)->set_value_uint32(parameter ? parameter->get_id() : 0);
    if (!parameter)
        return;
    const ParameterOwner* owner = parameter->get_owner();
    if (Modulator* modulator = ModulationManager::owning_modulator(*parameter)) {
        a_node.add_child(child_modulator)->set_value_int32(int(modulator->m_global_index));
        if (owner->m_owner_kind == ParameterOwner::Kind_MODULATOR_ENTRY)
            a_node.add_child(child_entry)
                ->set_value_int32(int(static_cast<const ModulatorEntry*>(owner)->m_index));
    }
}

void Parameter_Modulatee::copy_value(const Parameter& a_other) {
    if (const auto* other = dynamic_cast<const Parameter_Modulatee*>(&a_other))
        m_value = other->m_value;
}

void Parameter_Modulatee::get_value_text(Orvo::WString& a_text) {
    Parameter* parameter = m_value ? m_value->get_parameter() : nullptr;
    a_text = parameter ? parameter_path_text(*parameter) : Orvo::WString(u"<not selected>");
}

} // namespace Tonekit
