#include "tonekit/Modulation/ModulationSaver.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Exception.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/ModulatorTypes.h"
#include "tonekit/Parameters/LoadReport.h"
#include "tonekit/Parameters/Parameter.h"

#include <vector>

namespace Tonekit {
namespace {

std::uint32_t p_read_uint32(const Orvo::BiniNode& a_parent, std::uint32_t a_id) {
    const Orvo::BiniNode* node = a_parent.get_child(a_id);
    node->require_value_type(Orvo::BiniValueType_UINT32);
    return node->get_value_uint32();
}

} // namespace

ModulationSaver::ModulationSaver(ModulationManager& a_manager) : m_manager(a_manager) {
    const std::pair<ProcessingStage, ProcessingStageSaveValue> pairs[] = {
        {ProcessingStage_IN_NOTE, ProcessingStageSaveValue_IN_NOTE},
        {ProcessingStage_PRE_NOTE, ProcessingStageSaveValue_PRE_NOTE},
        {ProcessingStage_POST_NOTE, ProcessingStageSaveValue_POST_NOTE},
    };
    for (const auto& [stage, value] : pairs) {
        m_save_values.emplace(stage, value);
        m_stages.emplace(value, stage);
    }
}

void ModulationSaver::save(Orvo::BiniNode& a_node) const {
    Orvo::BiniNode* modulators = a_node.add_child(child_modulators);
    for (unsigned index = 0; index < m_manager.get_modulator_count(); ++index) {
        Modulator* modulator = m_manager.get_modulator(index);
        Orvo::BiniNode* stored = modulators->add_child(index + 1);
        stored->add_child(child_stage)->set_value_uint32(m_save_values.get(modulator->m_stage));
        stored->add_child(child_type)->set_value_uint32(modulator->m_type_code - 1);
        modulator->get_parameters().save(*stored->add_child(child_parameters));
        Orvo::BiniNode* entries = stored->add_child(child_entries);
        for (unsigned e = 0; e < modulator->get_entry_count(); ++e)
            modulator->get_entry(e)->get_parameters().save(
                *entries->add_child(e + 1)->add_child(child_parameters));
    }

    Orvo::BiniNode* assignments = a_node.add_child(child_assignments);
    const DeviceProgram& program = *m_manager.get_device()->get_program();
    std::uint32_t next = 1;
    for (unsigned slot = 0; slot < program.get_slot_count(); ++slot) {
        const Parameter* parameter = program.get_slot_record(slot).m_assigned;
        const Modulator* modulator =
            parameter ? ModulationManager::owning_modulator(*parameter) : nullptr;
        if (!modulator)
            continue;
        Orvo::BiniNode* stored = assignments->add_child(next++);
        stored->add_child(child_slot_index)->set_value_uint32(slot);
        stored->add_child(child_parameter_id)->set_value_uint32(parameter->get_id());
        stored->add_child(child_modulator_index)->set_value_uint32(modulator->m_global_index);
        const ParameterOwner* owner = parameter->get_owner();
        if (owner->m_owner_kind == ParameterOwner::Kind_MODULATOR_ENTRY)
            stored->add_child(child_entry_index)
                ->set_value_int32(int(static_cast<const ModulatorEntry*>(owner)->m_index));
    }
}

void ModulationSaver::load(Orvo::BiniNode& a_node) {
    if (a_node.get_children().empty())
        return;
    Device& device = *m_manager.get_device();
    const auto version = unsigned(device.get_static_config().m_plugin_internal_version);
    // Problems with single values fall back to defaults, as they do for the program.
    LoadReport report;

    const Orvo::BiniNode* modulators = a_node.get_child(child_modulators);
    std::vector<std::pair<Modulator*, const Orvo::BiniNode*>> loaded;
    for (const auto& [id, stored] : modulators->get_children()) {
        const std::uint32_t type = p_read_uint32(*stored, child_type);
        // A stored type past the last code must not wrap round to a valid one.
        if (type == 0xFFFFFFFFu || !find_modulator_type(type + 1))
            throw Orvo::Exception(u"Invalid modulator type.");
        const std::uint32_t stage_value = p_read_uint32(*stored, child_stage);
        const ProcessingStage stage = m_stages.get(ProcessingStageSaveValue(stage_value));
        Modulator* modulator = m_manager.add_modulator(type + 1, stage, ~0u);
        Orvo::BiniNode* parameters = stored->get_child(child_parameters);
        modulator->get_parameters().load(*parameters, version, report);
        modulator->get_parameters().commit_all(true);
        modulator->after_load(*parameters);
        loaded.emplace_back(modulator, stored.get());
    }

    // Last to first: an entry's target belongs to a later modulator (or its entries), which
    // must exist by the time the entry resolves it.
    for (auto position = loaded.rbegin(); position != loaded.rend(); ++position) {
        Modulator* modulator = position->first;
        const Orvo::BiniNode* entries = position->second->get_child(child_entries);
        const auto count = std::uint32_t(entries->get_children().size());
        for (std::uint32_t id = 1; id <= count; ++id) {
            const Orvo::BiniNode* stored = entries->get_child(id);
            Orvo::BiniNode* parameters = stored->get_child(child_parameters);
            ModulatorEntry* entry = m_manager.add_entry(modulator);
            entry->get_parameters().load(*parameters, version, report);
            entry->get_parameters().commit_all(true);
            entry->configure();
        }
    }

    p_load_assignments(*a_node.get_child(child_assignments));
}

void ModulationSaver::p_load_assignments(const Orvo::BiniNode& a_assignments) {
    DeviceProgram& program = *m_manager.get_device()->get_program();
    for (const auto& [id, stored] : a_assignments.get_children()) {
        const std::uint32_t slot = p_read_uint32(*stored, child_slot_index);
        if (slot >= program.get_slot_count())
            throw Orvo::Exception(u"Invalid assignable slot index.");
        const std::uint32_t modulator_index = p_read_uint32(*stored, child_modulator_index);
        if (modulator_index >= m_manager.get_modulator_count())
            throw Orvo::Exception(u"Invalid assigned parameter's modulator index.");
        Modulator* modulator = m_manager.get_modulator(modulator_index);
        ModulatorEntry* entry = nullptr;
        if (const Orvo::BiniNode* entry_index = stored->find_child(child_entry_index)) {
            entry_index->require_value_type(Orvo::BiniValueType_INT32);
            const std::int32_t index = entry_index->get_value_int32();
            if (index >= 0) {
                if (std::uint32_t(index) >= modulator->get_entry_count())
                    throw Orvo::Exception(u"Invalid assigned parameter's modulator entry index.");
                entry = modulator->get_entry(std::uint32_t(index));
            }
        }
        const std::uint32_t parameter_id = p_read_uint32(*stored, child_parameter_id);
        Parameter* parameter =
            entry ? entry->find_parameter(parameter_id) : modulator->find_parameter(parameter_id);
        // Only what a slot may carry: a name or a target is no value a host can automate.
        if (!parameter || !parameter->m_offered_for_slot_assignment)
            throw Orvo::Exception(u"Invalid assigned parameter id.");
        program.assign(slot, parameter);
    }
}

} // namespace Tonekit
