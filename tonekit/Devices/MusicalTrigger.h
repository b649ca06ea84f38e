#pragma once

#include "orvo/Core/Vector.h"
#include "tonekit/Devices/MusicalTriggerNode.h"

namespace Tonekit {

class MusicalTriggerEndpoint;

// Something in the music that endpoints can be connected to. Connections are kept on both sides
// (the trigger's endpoints in connection order, the endpoint's triggers likewise) and change only
// under the device's structural locks, so the audio thread walks them without locking.
class MusicalTrigger : public MusicalTriggerNode {
public:
    // Stored in presets ("Fami" holds the character instead: 'p' or 'u').
    enum Family : unsigned { Family_PREDEFINED = 1, Family_USER = 2 };

    MusicalTrigger(Family a_family, Orvo::WString a_name)
        : MusicalTriggerNode(Kind_TRIGGER, std::move(a_name)), m_family(a_family) {}
    // Unlinks itself from endpoints that are still connected, whichever side goes first.
    ~MusicalTrigger() override;

    bool is_connected_to(const MusicalTriggerEndpoint* a_endpoint) const noexcept;
    const Orvo::Vector<MusicalTriggerEndpoint*>& get_endpoints() const noexcept {
        return m_endpoints;
    }

    const Family m_family;

private:
    friend class MusicalTriggerManager;
    friend class MusicalTriggerEndpoint;

    Orvo::Vector<MusicalTriggerEndpoint*> m_endpoints;
};

} // namespace Tonekit
