#include "tonekit/Modulation/ModulationManager.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Assert.h"
#include "orvo/Core/Exception.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"

namespace Tonekit {

namespace {

std::uint32_t p_read_uint32(const Orvo::BiniNode& a_parent, std::uint32_t a_id) {
    const Orvo::BiniNode* node = a_parent.get_child(a_id);
    node->require_value_type(Orvo::BiniValueType_UINT32);
    return node->get_value_uint32();
}

} // namespace

// With no modulators there is nothing to run in any stage.
void ModulationManager::process_stage_1(unsigned) noexcept {}
void ModulationManager::process_stage_3(unsigned) noexcept {}
void ModulationManager::run_restart_handlers() noexcept {}

void ModulationManager::clear() {
    m_modulator_count = 0;
}

void ModulationManager::save(Orvo::BiniNode& a_node) const {
    a_node.add_child(child_modulators);
    a_node.add_child(child_assignments);
}

void ModulationManager::load(Orvo::BiniNode& a_node) {
    if (a_node.get_children().empty())
        return;
    const Orvo::BiniNode* modulators = a_node.get_child(child_modulators);
    for (const auto& modulator : modulators->get_children()) {
        // Reading the type first gives a stored modulator without one the same error as it
        // will get once kinds exist.
        p_read_uint32(*modulator.second, child_type);
        throw Orvo::Exception(u"Invalid modulator type.");
    }
    const Orvo::BiniNode* assignments = a_node.get_child(child_assignments);
    const unsigned slot_count = m_device->get_program()->get_slot_count();
    for (const auto& assignment : assignments->get_children()) {
        if (p_read_uint32(*assignment.second, child_slot_index) >= slot_count)
            throw Orvo::Exception(u"Invalid assignable slot index.");
        if (p_read_uint32(*assignment.second, child_modulator_index) >= m_modulator_count)
            throw Orvo::Exception(u"Invalid assigned parameter's modulator index.");
    }
}

void ModulationManager::resume_updates() {
    ORVO_ASSERT(m_update_suspensions > 0);
    --m_update_suspensions;
}

} // namespace Tonekit
