#pragma once
// The device's catalogue of musical triggers and their routing to endpoints.
//
// Predefined triggers, fired on the audio thread from what the device learns per host block:
//   "Transport start" ("TrSt")  the host's transport starts playing;
//   "Bar" ("Bar ") and "Beat" ("Beat")  the song position crosses a bar or beat line (the host's
//       time signature, else 4/4), at the frame where it does;
//   "Note On" ("NoOn")  any MIDI note-on (velocity 0 included), at the host block's first frame.
// User triggers fire when something asks them to (MusicalUserTrigger::request_fire).
//
// Delivery: a trigger that fires is queued with its frame offset in the host block; before each
// chunk of modulation processing the device delivers the queued triggers due by the chunk's end
// (deliver), and whatever remains at the end of the host block. Each delivery calls every
// connected endpoint once, in firing order. Nothing on this path allocates or locks: connections
// change only under the device's structural locks, while no block is being processed.

#include "orvo/Containers/Map.h"
#include "orvo/Core/FourCc.h"
#include "orvo/Core/Vector.h"
#include "orvo/Signals/Signal1.h"
#include "tonekit/Devices/MusicalGridTracker.h"
#include "tonekit/Devices/MusicalTriggerEvents.h"
#include "tonekit/Devices/MusicalTriggerGroup.h"

#include <array>
#include <cstdint>
#include <memory>

namespace Tonekit {

class Device;
class MusicalPredefinedTrigger;
class MusicalTrigger;
class MusicalTriggerEndpoint;
class MusicalUserTrigger;
struct MusicalTime;

class MusicalTriggerManager {
public:
    // How the firing code finds the predefined triggers.
    enum StandardTrigger : unsigned {
        StandardTrigger_TRANSPORT_START = 0,
        StandardTrigger_BAR = 1,
        StandardTrigger_BEAT = 2,
        StandardTrigger_NOTE_ON = 3,
        StandardTrigger_ENUM_SIZE = 4
    };
    // Stored in presets: never change a released one.
    static constexpr std::uint32_t id_transport_start = Orvo::four_cc("TrSt");
    static constexpr std::uint32_t id_bar = Orvo::four_cc("Bar ");
    static constexpr std::uint32_t id_beat = Orvo::four_cc("Beat");
    static constexpr std::uint32_t id_note_on = Orvo::four_cc("NoOn");
    // Firings queued in one host block beyond this many are dropped.
    static constexpr unsigned pending_capacity = 256;

    explicit MusicalTriggerManager(Device* a_device);
    MusicalTriggerManager(const MusicalTriggerManager&) = delete;
    MusicalTriggerManager& operator=(const MusicalTriggerManager&) = delete;
    virtual ~MusicalTriggerManager();

    // [ui-thread] Builds the catalogue; once, before the device's parameters are initialized
    // (their reset connects default triggers).
    virtual void initialize();
    // [ui-thread] Device shut-down: every endpoint disconnected, the user triggers deleted.
    virtual void detach_endpoints();
    // [ui-thread] Loading a preset and the clean state start without the user's own triggers.
    virtual void remove_user_triggers();
    // [audio-thread] Fires "Note On".
    virtual void note_on(unsigned a_channel, unsigned a_key, unsigned a_velocity) noexcept;

    // [ui-thread] Each takes the device's structural locks. Connecting what is connected already
    // does nothing.
    void connect(MusicalTrigger& a_trigger, MusicalTriggerEndpoint& a_endpoint);
    void disconnect(MusicalTrigger& a_trigger, MusicalTriggerEndpoint& a_endpoint);
    void disconnect_all(MusicalTriggerEndpoint& a_endpoint);

    // [ui-thread] User triggers; each takes the structural locks.
    MusicalUserTrigger* add_user_trigger(const Orvo::WString& a_name);
    void remove_user_trigger(unsigned a_index);
    void move_user_trigger(unsigned a_from, unsigned a_to);

    // Null when absent.
    MusicalPredefinedTrigger* find_predefined_trigger(std::uint32_t a_id) const;
    MusicalPredefinedTrigger* get_standard_trigger(StandardTrigger a_which) const noexcept {
        return m_standard_triggers[a_which];
    }
    MusicalUserTrigger* find_user_trigger(std::uint32_t a_index) const noexcept;
    unsigned get_user_trigger_count() const noexcept { return unsigned(m_user_triggers.size()); }
    unsigned get_predefined_trigger_count() const noexcept {
        return unsigned(m_predefined_trigger_map.size());
    }
    const MusicalTriggerGroup& get_catalogue() const noexcept { return m_catalogue; }

    // [audio-thread] The device's processing entry calls these around each host block.
    void begin_host_block(const MusicalTime& a_time, unsigned a_frames) noexcept;
    // Delivers what is due before a chunk of a_frames frames; chunks follow each other.
    void deliver(unsigned a_frames) noexcept;
    void end_host_block() noexcept;
    // Queues a firing a_offset frames into the current host block.
    void fire(MusicalTrigger& a_trigger, unsigned a_offset) noexcept;
    // Firings lost to a full queue since the device started.
    unsigned get_dropped_count() const noexcept { return m_dropped_count; }

    Orvo::Signal1<MusicalTriggerEvents::MusicalTriggerEvent&> MusicalTriggerEvent;
    Orvo::Signal1<MusicalTriggerEvents::MusicalUserTriggerEvent&> MusicalUserTriggerEvent;
    Orvo::Signal1<MusicalTriggerEvents::OnTriggerConnected&> OnTriggerConnected;
    Orvo::Signal1<MusicalTriggerEvents::OnUserTriggerMoved&> OnUserTriggerMoved;

protected:
    // Fills the catalogue's root; a device with triggers of its own extends it.
    virtual void build_catalogue(MusicalTriggerGroup& a_root);

    Device* m_device;

private:
    struct Pending {
        MusicalTrigger* m_trigger = nullptr;
        unsigned m_offset = 0;
    };

    void p_collect_predefined_triggers(MusicalTriggerGroup& a_group);
    void p_disconnect(MusicalTrigger& a_trigger, MusicalTriggerEndpoint& a_endpoint);
    void p_delete_user_trigger(unsigned a_index);
    void p_renumber_user_triggers() noexcept;
    void p_deliver_until(unsigned a_end) noexcept;

    MusicalTriggerGroup m_catalogue{u"Musical triggers"};
    Orvo::Map<std::uint32_t, MusicalPredefinedTrigger*> m_predefined_trigger_map;
    std::array<MusicalPredefinedTrigger*, StandardTrigger_ENUM_SIZE> m_standard_triggers{};
    Orvo::Vector<std::unique_ptr<MusicalUserTrigger>> m_user_triggers;
    unsigned m_collected_count = 0;

    MusicalGridTracker m_grid;
    std::array<MusicalGridTracker::Event, 64> m_grid_events{};
    std::array<Pending, pending_capacity> m_pending{};
    unsigned m_pending_count = 0;
    unsigned m_pending_delivered = 0;
    unsigned m_block_position = 0;
    unsigned m_dropped_count = 0;
};

} // namespace Tonekit
