#include "tonekit/Devices/DeviceProgram.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Parameters/AssignableParameterSlot.h"
#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {
namespace {

bool p_sorts_before(const Parameter* a_left, const Parameter* a_right) {
    if (a_left->m_minimum_plugin_internal_version != a_right->m_minimum_plugin_internal_version)
        return a_left->m_minimum_plugin_internal_version <
               a_right->m_minimum_plugin_internal_version;
    return a_left->m_host_sort_key < a_right->m_host_sort_key;
}

bool p_belongs_to_modulation(const Parameter* a_parameter) {
    const ParameterOwner* owner = a_parameter->get_owner();
    return owner && (owner->m_owner_kind == ParameterOwner::Kind_MODULATOR ||
                     owner->m_owner_kind == ParameterOwner::Kind_MODULATOR_ENTRY);
}

} // namespace

DeviceProgram::DeviceProgram(Device* a_device) : m_device(a_device) {}

DeviceProgram::~DeviceProgram() = default;

void DeviceProgram::p_initialize(unsigned a_plugin_internal_version) {
    m_collection.initialize(m_device);
    m_slot_count = 0;
    m_host_list.clear();
    for (Parameter* p : m_collection.get_parameters()) {
        ORVO_ASSERT(p->m_minimum_plugin_internal_version <= a_plugin_internal_version);
        if (p->m_host_visible && p->m_automatable)
            m_host_list.push_back(p);
        if (dynamic_cast<AssignableParameterSlot*>(p))
            ++m_slot_count;
    }
    // Insertion sort: an element moves left only past strictly greater keys, so ties keep
    // collection order.
    for (std::size_t i = 1; i < m_host_list.size(); ++i) {
        Parameter* moving = m_host_list[i];
        std::size_t j = i;
        while (j > 0 && p_sorts_before(moving, m_host_list[j - 1])) {
            m_host_list[j] = m_host_list[j - 1];
            --j;
        }
        m_host_list[j] = moving;
    }
    m_host_entries.assign(m_host_list.size(), HostEntry{});
    m_slot_records.assign(m_slot_count, SlotRecord{});
    m_host_elements = std::make_unique<std::atomic<Parameter*>[]>(m_host_list.size());
    m_host_mailbox.resize(m_host_list.size());
    unsigned next_slot = 0;
    for (std::size_t i = 0; i < m_host_list.size(); ++i) {
        Parameter* p = m_host_list[i];
        p->m_host_index = int(i);
        m_host_elements[i].store(p);
        if (auto* slot = dynamic_cast<AssignableParameterSlot*>(p)) {
            m_host_entries[i] = HostEntry{true, next_slot};
            m_slot_records[next_slot] = SlotRecord{unsigned(i), slot, nullptr};
            ++next_slot;
        }
    }
}

Parameter* DeviceProgram::host_parameter(std::int64_t a_index) const noexcept {
    if (a_index < 0 || a_index >= std::int64_t(m_host_list.size()))
        return nullptr;
    return m_host_elements[std::size_t(a_index)].load();
}

const DeviceProgram::HostEntry* DeviceProgram::host_entry(std::int64_t a_index) const noexcept {
    if (a_index < 0 || a_index >= std::int64_t(m_host_entries.size()))
        return nullptr;
    return &m_host_entries[std::size_t(a_index)];
}

void DeviceProgram::assign(unsigned a_slot_number, Parameter* a_parameter) {
    if (a_parameter && !p_belongs_to_modulation(a_parameter))
        return;
    SlotRecord& record = m_slot_records.get(a_slot_number);
    if (record.m_assigned == a_parameter)
        return;
    if (a_parameter)
        for (unsigned other = 0; other < m_slot_count; ++other)
            if (other != a_slot_number && m_slot_records[other].m_assigned == a_parameter)
                assign(other, nullptr);
    Host* notifier = m_device->get_host();
    if (record.m_assigned) {
        record.m_assigned->m_host_notifier = nullptr;
        record.m_assigned->m_host_index = -1;
    }
    Parameter* shown = a_parameter ? a_parameter : record.m_slot;
    if (a_parameter) {
        record.m_slot->m_host_notifier = nullptr;
        record.m_slot->m_host_index = -1;
    }
    shown->m_host_notifier = notifier;
    shown->m_host_index = int(record.m_host_index);
    record.m_assigned = a_parameter;
    m_host_list[record.m_host_index] = shown;
    m_host_elements[record.m_host_index].store(shown);
}

} // namespace Tonekit

namespace Tonekit {

void DeviceProgram::detach_all(const ParameterOwner* a_owner) {
    for (unsigned slot = 0; slot < m_slot_count; ++slot) {
        const Parameter* assigned = m_slot_records[slot].m_assigned;
        if (assigned && assigned->get_owner() == a_owner)
            assign(slot, nullptr);
    }
}

} // namespace Tonekit
