#include "vexa/Widget/WidgetConnectionManager.h"

#include "orvo/Core/Assert.h"

namespace Vexa {

void WidgetConnectionManager::add_connection(Orvo::Connection* a_connection) {
    ORVO_ASSERT(a_connection);
    a_connection->increase_reference_counter();
    m_connections.push_back(a_connection);
}

void WidgetConnectionManager::disconnect_all() {
    std::vector<Orvo::Connection*> connections;
    connections.swap(m_connections);
    for (Orvo::Connection* connection : connections)
        connection->disconnect();
}

} // namespace Vexa
