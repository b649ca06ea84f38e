#include "orvo/Signals/Slot.h"

namespace Orvo {

Trackable* Slot::get_trackable() const {
    return nullptr;
}

Slot::~Slot() {
    // Popping before each disconnect keeps the walk valid whatever the disconnect destroys.
    while (!m_connections.empty()) {
        Connection* connection = m_connections.front();
        m_connections.pop_front();
        connection->m_slot = nullptr;
        connection->p_disconnect_receiver();
    }
}

void Slot::decrease_reference_counter() {
    ORVO_ASSERT(m_reference_counter > 0);
    if (--m_reference_counter == 0)
        delete this;
}

} // namespace Orvo
