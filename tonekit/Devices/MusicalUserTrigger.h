#pragma once

#include "tonekit/Devices/MusicalTrigger.h"

#include <atomic>

namespace Tonekit {

// A trigger the user adds and names. Any thread may ask for it to fire (a button in the editor,
// say); the audio thread fires it at the start of its next host block.
class MusicalUserTrigger : public MusicalTrigger {
public:
    explicit MusicalUserTrigger(Orvo::WString a_name)
        : MusicalTrigger(Family_USER, std::move(a_name)) {}

    // [any-thread]
    void request_fire() noexcept { m_fire_requested.store(true, std::memory_order_release); }
    // [audio-thread] True once per request.
    bool take_fire_request() noexcept {
        return m_fire_requested.exchange(false, std::memory_order_acq_rel);
    }

    // Position in the manager's user-trigger vector; presets store it ("UsIn").
    unsigned m_index = 0;

private:
    std::atomic<bool> m_fire_requested{false};
};

} // namespace Tonekit
