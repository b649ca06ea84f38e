#pragma once

#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"

namespace Tonekit {

class MusicalTrigger;

// What triggers are connected to: a trigger parameter of a modulator, as a rule. The manager makes
// and breaks connections under the device's structural locks and tells the endpoint of each.
class MusicalTriggerEndpoint {
public:
    MusicalTriggerEndpoint() = default;
    MusicalTriggerEndpoint(const MusicalTriggerEndpoint&) = delete;
    MusicalTriggerEndpoint& operator=(const MusicalTriggerEndpoint&) = delete;
    // Unlinks itself from triggers that are still connected (a modulator deleted at run time).
    virtual ~MusicalTriggerEndpoint();

    // [ui-thread, structural locks held]
    virtual void on_trigger_connected(MusicalTrigger&) {}
    virtual void on_trigger_disconnected(MusicalTrigger&) {}
    // [audio-thread] Once per firing of a connected trigger, before the next chunk of modulation
    // processing. Must not allocate, lock or throw.
    virtual void on_trigger_fired(MusicalTrigger&) noexcept {}

    // In connection order.
    const Orvo::Vector<MusicalTrigger*>& get_triggers() const noexcept { return m_triggers; }

    // Names the endpoint where connections are listed (the editor, diagnostics).
    Orvo::WString m_identification = u"No identification string";

private:
    friend class MusicalTriggerManager;
    friend class MusicalTrigger;

    Orvo::Vector<MusicalTrigger*> m_triggers;
};

} // namespace Tonekit
