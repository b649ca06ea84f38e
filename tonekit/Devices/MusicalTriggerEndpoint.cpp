#include "tonekit/Devices/MusicalTriggerEndpoint.h"

#include "tonekit/Devices/MusicalTrigger.h"

#include <algorithm>

namespace Tonekit {

MusicalTriggerEndpoint::~MusicalTriggerEndpoint() {
    for (MusicalTrigger* trigger : m_triggers) {
        auto& endpoints = trigger->m_endpoints;
        endpoints.erase(std::remove(endpoints.begin(), endpoints.end(), this), endpoints.end());
    }
}
} // namespace Tonekit
