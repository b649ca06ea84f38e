#pragma once

namespace Tonekit {

class Device;

// Turns MIDI notes into musical triggers for the modulators that listen to them.
class MusicalTriggerManager {
public:
    explicit MusicalTriggerManager(Device* a_device) : m_device(a_device) {}
    virtual ~MusicalTriggerManager() = default;

    virtual void initialize() {}
    virtual void detach_endpoints() {}
    // Loading a preset and the clean state start without the user's own triggers. Only
    // predefined triggers exist so far, so there is nothing to remove yet.
    virtual void remove_user_triggers() {}
    // [audio-thread] A note-on (velocity 0 included) retriggers listeners whose key matches.
    virtual void note_on(unsigned, unsigned, unsigned) noexcept {}

protected:
    Device* m_device;
};

} // namespace Tonekit
