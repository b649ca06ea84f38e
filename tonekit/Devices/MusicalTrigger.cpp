#include "tonekit/Devices/MusicalTrigger.h"

#include "tonekit/Devices/MusicalTriggerEndpoint.h"

#include <algorithm>

namespace Tonekit {

MusicalTrigger::~MusicalTrigger() {
    for (MusicalTriggerEndpoint* endpoint : m_endpoints) {
        auto& triggers = endpoint->m_triggers;
        triggers.erase(std::remove(triggers.begin(), triggers.end(), this), triggers.end());
    }
}

bool MusicalTrigger::is_connected_to(const MusicalTriggerEndpoint* a_endpoint) const noexcept {
    return std::find(m_endpoints.begin(), m_endpoints.end(), a_endpoint) != m_endpoints.end();
}

} // namespace Tonekit
