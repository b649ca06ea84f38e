#include "orvo/Signals/ConnectionBlocker.h"

namespace Orvo {

ConnectionBlocker::ConnectionBlocker(Connection* a_connection) noexcept
    : m_connection(a_connection) {
    if (!m_connection)
        return;
    m_connection->increase_reference_counter();
    m_connection->block();
}

ConnectionBlocker::~ConnectionBlocker() {
    if (!m_connection)
        return;
    m_connection->unblock();
    m_connection->decrease_reference_counter();
}

} // namespace Orvo
