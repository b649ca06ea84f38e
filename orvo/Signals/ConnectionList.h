#pragma once
// A plain holder of connections, kept by an object for the signals of something it observes (a
// choice model, a scroll model). Each connection added is held by one reference.
//
// Destroying the list only releases those references: the links stay live, for receivers whose
// connections are taken down some other way (a Trackable receiver, or a signal that dies first).
// A receiver that may outlive neither must call disconnect_all() before it goes.

#include "orvo/Signals/Connection.h"

#include <cstddef>

namespace Orvo {

class ConnectionList {
public:
    ConnectionList() = default;
    ConnectionList(const ConnectionList&) = delete;
    ConnectionList& operator=(const ConnectionList&) = delete;
    ~ConnectionList();

    // Appends the connection that connect just returned and takes a reference on it.
    void add(Connection* a_connection);
    // Disconnects every connection (giving up this list's references) and empties the list.
    void disconnect_all();

    std::size_t get_size() const noexcept { return m_connections.size(); }
    bool is_empty() const noexcept { return m_connections.empty(); }
    const ConnectionPointerList& get_connections() const noexcept { return m_connections; }

private:
    ConnectionPointerList m_connections;
};

} // namespace Orvo
