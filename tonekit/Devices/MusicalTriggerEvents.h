#pragma once
// What the trigger manager tells the editor about its catalogue and connections. Emitted on the
// user-interface thread only, like every signal; firing on the audio thread emits nothing.

namespace Tonekit {

class MusicalTrigger;
class MusicalTriggerEndpoint;
class MusicalTriggerManager;
class MusicalUserTrigger;

namespace MusicalTriggerEvents {

// A trigger was disconnected from an endpoint.
struct MusicalTriggerEvent {
    MusicalTriggerManager* m_manager = nullptr;
    MusicalTrigger* m_trigger = nullptr;
    MusicalTriggerEndpoint* m_endpoint = nullptr;
};

// A user trigger was added, or is about to be removed.
struct MusicalUserTriggerEvent {
    enum Kind : unsigned { Kind_ADDED = 0, Kind_REMOVING = 1 };
    MusicalTriggerManager* m_manager = nullptr;
    MusicalUserTrigger* m_trigger = nullptr;
    Kind m_kind = Kind_ADDED;
};

struct OnTriggerConnected {
    MusicalTriggerManager* m_manager = nullptr;
    MusicalTrigger* m_trigger = nullptr;
    MusicalTriggerEndpoint* m_endpoint = nullptr;
};

// A user trigger changed its place in the list (and so its stored index).
struct OnUserTriggerMoved {
    MusicalTriggerManager* m_manager = nullptr;
    MusicalUserTrigger* m_trigger = nullptr;
    unsigned m_from = 0;
    unsigned m_to = 0;
};

} // namespace MusicalTriggerEvents
} // namespace Tonekit
