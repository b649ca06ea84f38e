#include "orvo/Signals/Signal.h"

#include "orvo/Core/Assert.h"
#include "orvo/Signals/Slot.h"

namespace Orvo {

Signal::~Signal() {
    // Popping before each disconnect keeps the walk valid whatever the disconnect destroys.
    while (!m_connections.empty()) {
        Connection* connection = m_connections.front();
        m_connections.pop_front();
        connection->m_signal = nullptr;
        connection->disconnect();
    }
}

Connection* Signal::p_connect(Slot* a_slot) {
    ORVO_ASSERT(a_slot);

    // Every allocation happens before anything is linked, so a failure leaves no half-made link.
    Connection* connection = nullptr;
    ConnectionPointerList signal_node;
    ConnectionPointerList slot_node;
    try {
        connection = new Connection;
        signal_node.push_back(connection);
        slot_node.push_back(connection);
    } catch (...) {
        delete connection;
        if (a_slot->m_reference_counter == 0)
            delete a_slot;
        throw;
    }

    connection->m_signal = this;
    connection->m_signal_position = signal_node.begin();
    m_connections.splice(m_connections.end(), signal_node);
    connection->m_slot = a_slot;
    connection->m_slot_position = slot_node.begin();
    a_slot->m_connections.splice(a_slot->m_connections.end(), slot_node);
    ++a_slot->m_reference_counter;
    connection->m_reference_counter = 1;

    try {
        if (Trackable* trackable = a_slot->get_trackable())
            connection->set_trackable(trackable);
    } catch (...) {
        // Destroys the connection and, with it, a slot that nothing else uses.
        connection->disconnect();
        throw;
    }
    return connection;
}

} // namespace Orvo
