#include "tonekit/Devices/MusicalTriggerManager.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/MusicalPredefinedTrigger.h"
#include "tonekit/Devices/MusicalTriggerEndpoint.h"
#include "tonekit/Devices/MusicalUserTrigger.h"

#include <algorithm>
#include <climits>

namespace Tonekit {

MusicalTriggerManager::MusicalTriggerManager(Device* a_device) : m_device(a_device) {}

MusicalTriggerManager::~MusicalTriggerManager() = default;

void MusicalTriggerManager::build_catalogue(MusicalTriggerGroup& a_root) {
    auto* transport = a_root.add(std::make_unique<MusicalTriggerGroup>(u"Transport"));
    transport->add(std::make_unique<MusicalPredefinedTrigger>(
        id_transport_start, u"Transport start", StandardTrigger_TRANSPORT_START));
    transport->add(std::make_unique<MusicalPredefinedTrigger>(id_bar, u"Bar", StandardTrigger_BAR));
    transport->add(
        std::make_unique<MusicalPredefinedTrigger>(id_beat, u"Beat", StandardTrigger_BEAT));
    auto* midi = a_root.add(std::make_unique<MusicalTriggerGroup>(u"MIDI"));
    midi->add(std::make_unique<MusicalPredefinedTrigger>(id_note_on, u"Note On",
                                                         StandardTrigger_NOTE_ON));
}

void MusicalTriggerManager::initialize() {
    build_catalogue(m_catalogue);
    p_collect_predefined_triggers(m_catalogue);
}

void MusicalTriggerManager::p_collect_predefined_triggers(MusicalTriggerGroup& a_group) {
    for (const auto& node : a_group.get_children()) {
        if (node->m_kind == MusicalTriggerNode::Kind_GROUP) {
            p_collect_predefined_triggers(static_cast<MusicalTriggerGroup&>(*node));
            continue;
        }
        auto* trigger = static_cast<MusicalTrigger*>(node.get());
        if (trigger->m_family != MusicalTrigger::Family_PREDEFINED)
            continue;
        auto* s = static_cast<MusicalPredefinedTrigger*>(trigger);
        s->m_number = m_collected_count++;
        ORVO_ASSERT(!m_predefined_trigger_map.has_key(s->m_id));
        m_predefined_trigger_map[s->m_id] = s;
        if (s->m_standard_id == MusicalPredefinedTrigger::no_standard_id)
            continue;
        ORVO_ASSERT(s->m_standard_id >= 0 && s->m_standard_id < int(StandardTrigger_ENUM_SIZE));
        ORVO_ASSERT(!m_standard_triggers[s->m_standard_id]);
        m_standard_triggers[s->m_standard_id] = s;
    }
}

MusicalPredefinedTrigger* MusicalTriggerManager::find_predefined_trigger(std::uint32_t a_id) const {
    MusicalPredefinedTrigger* const* found = m_predefined_trigger_map.find_value(a_id);
    return found ? *found : nullptr;
}

MusicalUserTrigger* MusicalTriggerManager::find_user_trigger(std::uint32_t a_index) const noexcept {
    return a_index < m_user_triggers.size() ? m_user_triggers[a_index].get() : nullptr;
}

// --- connections ---------------------------------------------------------------------------------

void MusicalTriggerManager::connect(MusicalTrigger& a_trigger, MusicalTriggerEndpoint& a_endpoint) {
    {
        auto locks = m_device->lock_structure();
        if (a_trigger.is_connected_to(&a_endpoint))
            return;
        a_endpoint.m_triggers.push_back(&a_trigger);
        a_trigger.m_endpoints.push_back(&a_endpoint);
        a_endpoint.on_trigger_connected(a_trigger);
    }
    MusicalTriggerEvents::OnTriggerConnected event{this, &a_trigger, &a_endpoint};
    OnTriggerConnected.emit(event);
}

void MusicalTriggerManager::p_disconnect(MusicalTrigger& a_trigger,
                                         MusicalTriggerEndpoint& a_endpoint) {
    auto& endpoints = a_trigger.m_endpoints;
    auto& triggers = a_endpoint.m_triggers;
    const auto endpoint = std::find(endpoints.begin(), endpoints.end(), &a_endpoint);
    if (endpoint == endpoints.end())
        return;
    endpoints.erase(endpoint);
    triggers.erase(std::remove(triggers.begin(), triggers.end(), &a_trigger), triggers.end());
    a_endpoint.on_trigger_disconnected(a_trigger);
    MusicalTriggerEvents::MusicalTriggerEvent event{this, &a_trigger, &a_endpoint};
    MusicalTriggerEvent.emit(event);
}

void MusicalTriggerManager::disconnect(MusicalTrigger& a_trigger,
                                       MusicalTriggerEndpoint& a_endpoint) {
    auto locks = m_device->lock_structure();
    p_disconnect(a_trigger, a_endpoint);
}

void MusicalTriggerManager::disconnect_all(MusicalTriggerEndpoint& a_endpoint) {
    auto locks = m_device->lock_structure();
    while (!a_endpoint.m_triggers.empty())
        p_disconnect(*a_endpoint.m_triggers.front(), a_endpoint);
}

// --- user triggers -------------------------------------------------------------------------------

MusicalUserTrigger* MusicalTriggerManager::add_user_trigger(const Orvo::WString& a_name) {
    MusicalUserTrigger* trigger = nullptr;
    {
        auto locks = m_device->lock_structure();
        m_user_triggers.push_back(std::make_unique<MusicalUserTrigger>(a_name));
        p_renumber_user_triggers();
        trigger = m_user_triggers.back().get();
    }
    MusicalTriggerEvents::MusicalUserTriggerEvent event{
        this, trigger, MusicalTriggerEvents::MusicalUserTriggerEvent::Kind_ADDED};
    MusicalUserTriggerEvent.emit(event);
    return trigger;
}

void MusicalTriggerManager::p_delete_user_trigger(unsigned a_index) {
    MusicalUserTrigger& trigger = *m_user_triggers.get(a_index);
    MusicalTriggerEvents::MusicalUserTriggerEvent event{
        this, &trigger, MusicalTriggerEvents::MusicalUserTriggerEvent::Kind_REMOVING};
    MusicalUserTriggerEvent.emit(event);
    while (!trigger.m_endpoints.empty())
        p_disconnect(trigger, *trigger.m_endpoints.front());
    m_user_triggers.remove_at(a_index);
    p_renumber_user_triggers();
}

void MusicalTriggerManager::remove_user_trigger(unsigned a_index) {
    auto locks = m_device->lock_structure();
    p_delete_user_trigger(a_index);
}

void MusicalTriggerManager::move_user_trigger(unsigned a_from, unsigned a_to) {
    MusicalUserTrigger* trigger = nullptr;
    {
        auto locks = m_device->lock_structure();
        ORVO_ASSERT(a_from < m_user_triggers.size() && a_to < m_user_triggers.size());
        if (a_from == a_to)
            return;
        std::unique_ptr<MusicalUserTrigger> moved = std::move(m_user_triggers[a_from]);
        trigger = moved.get();
        m_user_triggers.remove_at(a_from);
        m_user_triggers.insert_at(a_to, std::move(moved));
        p_renumber_user_triggers();
    }
    MusicalTriggerEvents::OnUserTriggerMoved event{this, trigger, a_from, a_to};
    OnUserTriggerMoved.emit(event);
}

void MusicalTriggerManager::p_renumber_user_triggers() noexcept {
    for (unsigned i = 0; i < m_user_triggers.size(); ++i)
        m_user_triggers[i]->m_index = i;
}

void MusicalTriggerManager::remove_user_triggers() {
    auto locks = m_device->lock_structure();
    while (!m_user_triggers.empty())
        p_delete_user_trigger(unsigned(m_user_triggers.size() - 1));
}

void MusicalTriggerManager::detach_endpoints() {
    auto locks = m_device->lock_structure();
    for (auto& [id, trigger] : m_predefined_trigger_map)
        while (!trigger->m_endpoints.empty())
            p_disconnect(*trigger, *trigger->m_endpoints.front());
    remove_user_triggers();
}

// --- firing and delivery -------------------------------------------------------------------------

void MusicalTriggerManager::fire(MusicalTrigger& a_trigger, unsigned a_offset) noexcept {
    if (a_trigger.m_endpoints.empty())
        return;
    if (m_pending_count == m_pending.size()) {
        ++m_dropped_count;
        return;
    }
    // Kept in frame order; a firing at the same frame as queued ones goes after them.
    unsigned position = m_pending_count;
    while (position > m_pending_delivered && m_pending[position - 1].m_offset > a_offset) {
        m_pending[position] = m_pending[position - 1];
        --position;
    }
    m_pending[position] = {&a_trigger, a_offset};
    ++m_pending_count;
}

void MusicalTriggerManager::p_deliver_until(unsigned a_end) noexcept {
    while (m_pending_delivered < m_pending_count &&
           m_pending[m_pending_delivered].m_offset < a_end) {
        MusicalTrigger& trigger = *m_pending[m_pending_delivered++].m_trigger;
        for (MusicalTriggerEndpoint* endpoint : trigger.m_endpoints)
            endpoint->on_trigger_fired(trigger);
    }
}

void MusicalTriggerManager::begin_host_block(const MusicalTime& a_time,
                                             unsigned a_frames) noexcept {
    end_host_block();
    for (const auto& trigger : m_user_triggers)
        if (trigger->take_fire_request())
            fire(*trigger, 0);
    const unsigned count = m_grid.track(a_time, a_frames, m_device->get_tempo(),
                                        m_device->get_sample_rate(), m_grid_events);
    for (unsigned i = 0; i < count; ++i) {
        const MusicalGridTracker::Event& event = m_grid_events[i];
        StandardTrigger which = StandardTrigger_BEAT;
        if (event.m_kind == MusicalGridTracker::Kind_TRANSPORT_START)
            which = StandardTrigger_TRANSPORT_START;
        else if (event.m_kind == MusicalGridTracker::Kind_BAR)
            which = StandardTrigger_BAR;
        if (MusicalPredefinedTrigger* trigger = m_standard_triggers[which])
            fire(*trigger, event.m_offset);
    }
}

void MusicalTriggerManager::deliver(unsigned a_frames) noexcept {
    m_block_position += a_frames;
    p_deliver_until(m_block_position);
}

void MusicalTriggerManager::end_host_block() noexcept {
    p_deliver_until(UINT_MAX);
    m_pending_count = 0;
    m_pending_delivered = 0;
    m_block_position = 0;
}

void MusicalTriggerManager::note_on(unsigned, unsigned, unsigned) noexcept {
    if (MusicalPredefinedTrigger* trigger = m_standard_triggers[StandardTrigger_NOTE_ON])
        fire(*trigger, m_block_position);
}

} // namespace Tonekit
