#pragma once
// A parameter whose value is a list of musical triggers connected to an endpoint (a modulator's
// restart input, as a rule). Connections act at once under the device's structural locks; they
// never pass through the pending-change queue, so the parameter is neither automatable nor shown
// to the host.
//
// Stored form, inside the parameter's "Valu": "Coun" (uint32, the number of triggers), then
// children 1..count in connection order, each with "Fami" (uint32 'p' or 'u') and "PrId" (the
// predefined identifier) or "UsIn" (the user-trigger index).

#include "orvo/Core/FourCc.h"
#include "orvo/Core/Vector.h"
#include "tonekit/Parameters/Parameter.h"

#include <cstdint>

namespace Tonekit {

class MusicalTrigger;
class MusicalTriggerEndpoint;
class MusicalTriggerManager;

class P_MusicalTrigger : public Parameter {
public:
    static constexpr std::uint32_t child_count = Orvo::four_cc("Coun");
    static constexpr std::uint32_t child_family = Orvo::four_cc("Fami");
    static constexpr std::uint32_t child_predefined_id = Orvo::four_cc("PrId");
    static constexpr std::uint32_t child_user_index = Orvo::four_cc("UsIn");
    static constexpr std::uint32_t family_predefined = 0x70; // 'p'
    static constexpr std::uint32_t family_user = 0x75;       // 'u'
    // A stored count may exceed the user triggers by this much (the predefined ones, with room).
    static constexpr unsigned count_allowance = 1024;
    static constexpr unsigned unlimited = 0;

    // a_max_trigger_count 1 makes a single-trigger parameter; unlimited takes any number.
    explicit P_MusicalTrigger(unsigned a_max_trigger_count = unlimited);

    // Once, before the parameter is initialized.
    void set_endpoint(MusicalTriggerEndpoint* a_endpoint);
    MusicalTriggerEndpoint* get_endpoint() const noexcept { return m_endpoint; }
    // Predefined triggers connected by reset(); identifiers the catalogue lacks are passed over.
    void add_default_trigger(std::uint32_t a_predefined_id) {
        m_default_triggers.push_back(a_predefined_id);
    }

    // [ui-thread] A single-trigger parameter swaps its trigger; a full list refuses (false).
    bool connect(MusicalTrigger& a_trigger);
    void disconnect(MusicalTrigger& a_trigger);
    void disconnect_all();

    bool do_load(Orvo::BiniNode& a_node) override;
    void do_save(Orvo::BiniNode& a_node) override;
    void reset() override;
    void copy_value(const Parameter& a_other) override;
    bool from_string(const Orvo::WString&) override { return false; }
    // The connected triggers' names, or "None".
    void get_value_text(Orvo::WString& a_text) override;

    const unsigned m_max_trigger_count;
    Orvo::Vector<std::uint32_t> m_default_triggers;

private:
    MusicalTriggerManager& p_manager() const;

    MusicalTriggerEndpoint* m_endpoint = nullptr;
};

} // namespace Tonekit
