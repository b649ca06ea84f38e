#pragma once

#include "tonekit/Devices/MusicalTriggerEndpoint.h"

namespace Tonekit {

// An endpoint that calls its owner back when a connected trigger fires: the LFO restarts its
// phase this way. The callback runs on the audio thread, hence the noexcept function type.
class MusicalTriggerReceiver : public MusicalTriggerEndpoint {
public:
    using Function = void (*)(void* a_object, void* a_argument) noexcept;

    // [ui-thread, before any trigger is connected or under the structural locks]
    void set_callback(Function a_function, void* a_object, void* a_argument = nullptr) noexcept {
        m_function = a_function;
        m_object = a_object;
        m_argument = a_argument;
    }

    void on_trigger_fired(MusicalTrigger&) noexcept override {
        if (m_function)
            m_function(m_object, m_argument);
    }

private:
    Function m_function = nullptr;
    void* m_object = nullptr;
    void* m_argument = nullptr;
};

} // namespace Tonekit
