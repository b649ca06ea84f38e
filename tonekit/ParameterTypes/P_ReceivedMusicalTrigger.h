#pragma once

#include "tonekit/Devices/MusicalTriggerReceiver.h"
#include "tonekit/ParameterTypes/P_MusicalTrigger.h"

namespace Tonekit {

// A trigger parameter that is its own endpoint: when one of its triggers fires, it calls the
// callback its owner set (MusicalTriggerReceiver::set_callback), on the audio thread.
class P_ReceivedMusicalTrigger : public P_MusicalTrigger, public MusicalTriggerReceiver {
public:
    explicit P_ReceivedMusicalTrigger(unsigned a_max_trigger_count = unlimited)
        : P_MusicalTrigger(a_max_trigger_count) {
        set_endpoint(this);
    }
};

} // namespace Tonekit
