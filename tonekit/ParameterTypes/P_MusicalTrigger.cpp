#include "tonekit/ParameterTypes/P_MusicalTrigger.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/MusicalPredefinedTrigger.h"
#include "tonekit/Devices/MusicalTriggerEndpoint.h"
#include "tonekit/Devices/MusicalTriggerManager.h"
#include "tonekit/Devices/MusicalUserTrigger.h"

namespace Tonekit {
namespace {

std::uint32_t read_uint32(const Orvo::BiniNode& a_parent, std::uint32_t a_id) {
    const Orvo::BiniNode* node = a_parent.get_child(a_id);
    node->require_value_type(Orvo::BiniValueType_UINT32);
    return node->get_value_uint32();
}

} // namespace

P_MusicalTrigger::P_MusicalTrigger(unsigned a_max_trigger_count)
    : m_max_trigger_count(a_max_trigger_count) {
    m_automatable = false;
    m_host_visible = false;
    m_deferred_commit = false;
}

void P_MusicalTrigger::set_endpoint(MusicalTriggerEndpoint* a_endpoint) {
    ORVO_ASSERT(!m_endpoint);
    m_endpoint = a_endpoint;
}

MusicalTriggerManager& P_MusicalTrigger::p_manager() const {
    Device* device = get_device();
    ORVO_ASSERT(device && device->get_triggers());
    return *device->get_triggers();
}

bool P_MusicalTrigger::connect(MusicalTrigger& a_trigger) {
    ORVO_ASSERT(m_endpoint);
    const auto& connected = m_endpoint->get_triggers();
    if (a_trigger.is_connected_to(m_endpoint))
        return true;
    if (m_max_trigger_count == 1)
        disconnect_all();
    else if (m_max_trigger_count != unlimited && connected.size() >= m_max_trigger_count)
        return false;
    p_manager().connect(a_trigger, *m_endpoint);
    return true;
}

void P_MusicalTrigger::disconnect(MusicalTrigger& a_trigger) {
    ORVO_ASSERT(m_endpoint);
    p_manager().disconnect(a_trigger, *m_endpoint);
}

void P_MusicalTrigger::disconnect_all() {
    ORVO_ASSERT(m_endpoint);
    p_manager().disconnect_all(*m_endpoint);
}

void P_MusicalTrigger::do_save(Orvo::BiniNode& a_node) {
    const Orvo::Vector<MusicalTrigger*> none;
    const auto& triggers = m_endpoint ? m_endpoint->get_triggers() : none;
    a_node.add_child(child_count)->set_value_uint32(std::uint32_t(triggers.size()));
    std::uint32_t id = 1;
    for (MusicalTrigger* trigger : triggers) {
        Orvo::BiniNode* child = a_node.add_child(id++);
        switch (trigger->m_family) {
        case MusicalTrigger::Family_PREDEFINED:
            child->add_child(child_family)->set_value_uint32(family_predefined);
            child->add_child(child_predefined_id)
                ->set_value_uint32(static_cast<MusicalPredefinedTrigger*>(trigger)->m_id);
            break;
        case MusicalTrigger::Family_USER:
            child->add_child(child_family)->set_value_uint32(family_user);
            child->add_child(child_user_index)
                ->set_value_uint32(static_cast<MusicalUserTrigger*>(trigger)->m_index);
            break;
        default:
            throw Orvo::Exception(u"Unknown trigger family.");
        }
    }
}

bool P_MusicalTrigger::do_load(Orvo::BiniNode& a_node) {
    ORVO_ASSERT(m_endpoint);
    MusicalTriggerManager& manager = p_manager();
    const std::uint32_t count = read_uint32(a_node, child_count);
    const std::uint64_t limit = std::uint64_t(manager.get_user_trigger_count()) + count_allowance;
    if (count > limit || (m_max_trigger_count != unlimited && count > m_max_trigger_count))
        throw Orvo::Exception(u"Invalid trigger count");

    // Everything is read before anything is disconnected, so data that throws leaves the
    // connections as they were.
    Orvo::Vector<MusicalTrigger*> found;
    found.reserve(count);
    for (std::uint32_t id = 1; id <= count; ++id) {
        const Orvo::BiniNode* child = a_node.get_child(id);
        const std::uint32_t family = read_uint32(*child, child_family);
        MusicalTrigger* trigger = nullptr;
        if (family == family_predefined)
            trigger = manager.find_predefined_trigger(read_uint32(*child, child_predefined_id));
        else if (family == family_user)
            trigger = manager.find_user_trigger(read_uint32(*child, child_user_index));
        else
            throw Orvo::Exception(u"Invalid trigger family.");
        // A trigger this build does not know (a newer plug-in's, a removed user trigger) ends the
        // list; the ones before it still connect.
        if (!trigger)
            break;
        found.push_back(trigger);
    }
    disconnect_all();
    for (MusicalTrigger* trigger : found)
        manager.connect(*trigger, *m_endpoint);
    return true;
}

void P_MusicalTrigger::reset() {
    if (!m_endpoint || !get_device() || !get_device()->get_triggers())
        return;
    disconnect_all();
    for (std::uint32_t id : m_default_triggers)
        if (MusicalTrigger* trigger = p_manager().find_predefined_trigger(id))
            connect(*trigger);
}

void P_MusicalTrigger::copy_value(const Parameter& a_other) {
    const auto* other = dynamic_cast<const P_MusicalTrigger*>(&a_other);
    // Triggers belong to one device's catalogue.
    if (!other || !other->m_endpoint || !m_endpoint || other->get_device() != get_device())
        return;
    const Orvo::Vector<MusicalTrigger*> triggers = other->m_endpoint->get_triggers();
    disconnect_all();
    for (MusicalTrigger* trigger : triggers)
        connect(*trigger);
}

void P_MusicalTrigger::get_value_text(Orvo::WString& a_text) {
    a_text.clear();
    if (m_endpoint)
        for (MusicalTrigger* trigger : m_endpoint->get_triggers()) {
            if (!a_text.empty())
                a_text += u", ";
            a_text += trigger->m_name;
        }
    if (a_text.empty())
        a_text = u"None";
}

} // namespace Tonekit
