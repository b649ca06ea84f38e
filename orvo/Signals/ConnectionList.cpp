#include "orvo/Signals/ConnectionList.h"

#include "orvo/Core/Assert.h"

namespace Orvo {

ConnectionList::~ConnectionList() {
    while (!m_connections.empty()) {
        Connection* connection = m_connections.front();
        m_connections.pop_front();
        connection->decrease_reference_counter();
    }
}

void ConnectionList::add(Connection* a_connection) {
    ORVO_ASSERT(a_connection);
    m_connections.push_back(a_connection);
    a_connection->increase_reference_counter();
}

void ConnectionList::disconnect_all() {
    // Popping first: the list never holds a connection whose reference it already gave up, even
    // if a slot deleted on the way reaches back into it.
    while (!m_connections.empty()) {
        Connection* connection = m_connections.front();
        m_connections.pop_front();
        connection->disconnect();
    }
}

} // namespace Orvo
