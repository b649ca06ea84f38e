#pragma once
// The device's own parameter tree and the list the host sees. The host list is ordered once, after
// building, by (minimum plugin internal version, host sort key) with ties in collection order, so
// a later plug-in version appends its new parameters behind the old ones and saved projects keep
// addressing the same indices. Assignable slots reserve indices that parameters created at run
// time (those of modulators) can take over.

#include "orvo/Core/Vector.h"
#include "tonekit/Devices/HostValueMailbox.h"
#include "tonekit/Parameters/ParameterCollection.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace Tonekit {

class AssignableParameterSlot;
class Device;
class Parameter;

class DeviceProgram {
public:
    struct SlotRecord {
        unsigned m_host_index = 0;
        AssignableParameterSlot* m_slot = nullptr;
        Parameter* m_assigned = nullptr;
    };
    struct HostEntry {
        bool m_is_slot = false;
        unsigned m_slot_number = 0;
    };

    explicit DeviceProgram(Device* a_device);
    ~DeviceProgram();

    // Initializes the collection and builds the host list; once, after the device's build.
    void p_initialize(unsigned a_plugin_internal_version);

    unsigned host_count() const noexcept { return unsigned(m_host_list.size()); }
    // [any-thread] Null for an index outside the list.
    Parameter* host_parameter(std::int64_t a_index) const noexcept;
    const HostEntry* host_entry(std::int64_t a_index) const noexcept;
    // Attaches a_parameter to slot a_slot_number, or detaches with null. Only parameters of
    // modulators and their entries can be attached; anything else is ignored. A parameter sits in
    // one slot at most: attaching it elsewhere frees the slot it held, so that the host never
    // automates one parameter through two indices, and reassigning one of them later cannot cut
    // the other's connection to the host.
    void assign(unsigned a_slot_number, Parameter* a_parameter);
    // Detaches every assigned parameter that a_owner owns (a modulator or entry going away).
    void detach_all(const ParameterOwner* a_owner);
    unsigned get_slot_count() const noexcept { return m_slot_count; }
    const SlotRecord& get_slot_record(unsigned a_slot_number) const {
        return m_slot_records.get(a_slot_number);
    }

    // Host values waiting for the parameter lock, one box per host index.
    HostValueMailbox& get_host_mailbox() noexcept { return m_host_mailbox; }
    // [holder of the parameter lock] Applies every waiting host value to the parameter its index
    // shows now: a_apply(parameter, normalized value).
    template <class Apply>
    void take_host_values(Apply&& a_apply) noexcept {
        m_host_mailbox.take_all([&](std::size_t a_index, float a_value) {
            if (Parameter* parameter = host_parameter(std::int64_t(a_index)))
                a_apply(parameter, a_value);
        });
    }

    ParameterCollection& get_collection() noexcept { return m_collection; }
    ParameterCollection& get_second_collection() noexcept { return m_second_collection; }

private:
    unsigned m_slot_count = 0;
    Orvo::Vector<SlotRecord> m_slot_records;
    Orvo::Vector<HostEntry> m_host_entries;
    // The audio thread never reads it; the adapter may read an element while the editor thread
    // replaces it, so the elements are atomic pointers.
    std::unique_ptr<std::atomic<Parameter*>[]> m_host_elements;
    Orvo::Vector<Parameter*> m_host_list;
    HostValueMailbox m_host_mailbox;
    Device* m_device;
    ParameterCollection m_collection;
    ParameterCollection m_second_collection;
};

} // namespace Tonekit
