#include "orvo/Signals/Trackable.h"

namespace Orvo {

Trackable::~Trackable() {
    // Each disconnect unlinks the connection from this list.
    while (!m_connections.empty())
        m_connections.front()->p_disconnect_receiver();
}

} // namespace Orvo
