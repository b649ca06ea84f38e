#pragma once
// Keeps a connection blocked for a scope, typically while the holder updates the emitting object
// itself and must not hear its own change back. The count is lowered again also when an exception
// passes. The blocker holds a reference for its lifetime, so the connection may be disconnected
// meanwhile without the unblock touching freed memory.

#include "orvo/Signals/Connection.h"

namespace Orvo {

class ConnectionBlocker {
public:
    // A null connection blocks nothing, for holders that are not connected yet.
    explicit ConnectionBlocker(Connection* a_connection) noexcept;
    ConnectionBlocker(const ConnectionBlocker&) = delete;
    ConnectionBlocker& operator=(const ConnectionBlocker&) = delete;
    ~ConnectionBlocker();

private:
    Connection* const m_connection;
};

} // namespace Orvo
