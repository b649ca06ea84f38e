#pragma once
// Base of every signal. A signal is owned by the object that emits and keeps its connections in
// the order they were made; emission calls them in that order. Destroying the signal cuts every
// link: connections nobody else holds are destroyed (deleting slots nobody else uses), held ones
// stay disconnected and blocked until their holders let go.
//
// [ui-thread] Connect, emit and destroy on the GUI thread only.

#include "orvo/Signals/Connection.h"

namespace Orvo {

class Signal {
public:
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;
    virtual ~Signal();

    const ConnectionPointerList& get_connections() const noexcept { return m_connections; }

protected:
    Signal() = default;

    // Links a freshly allocated slot and returns the new connection, which the link alone holds;
    // a caller that keeps the pointer must take a reference. If connecting fails, a slot that no
    // other connection uses is deleted, since nobody else owns it.
    Connection* p_connect(Slot* a_slot);

    // Calls a_invoke(slot) for every live connection, first to last. The connection being invoked
    // is held for the call, so a handler may disconnect it or any other connection, or destroy its
    // own receiver; connections made during the walk receive the same event. A handler must not
    // destroy the signal itself.
    template <class Invoke>
    void p_emit(Invoke&& a_invoke);

    // The point through which receivers connect; owners expose it as their derived signal type.
    Signal* const m_self = this;

private:
    friend class Connection;

    ConnectionPointerList m_connections;
};

template <class Invoke>
void Signal::p_emit(Invoke&& a_invoke) {
    struct Hold {
        Connection* connection;
        ~Hold() { connection->decrease_reference_counter(); }
    };
    for (auto position = m_connections.begin(); position != m_connections.end();) {
        Connection* connection = *position;
        if (!connection->is_live()) {
            ++position;
            continue;
        }
        connection->increase_reference_counter();
        const Hold hold{connection};
        a_invoke(connection->get_slot());
        // The held node is still in the list; step past it before letting go, which may erase it.
        ++position;
    }
}

} // namespace Orvo
