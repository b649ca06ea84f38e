#include "orvo/Signals/Connection.h"

#include "orvo/Core/Assert.h"
#include "orvo/Signals/Signal.h"
#include "orvo/Signals/Slot.h"
#include "orvo/Signals/Trackable.h"

#include <iterator>

namespace Orvo {

// The reference counter counts the link (while the signal is set) plus every outside holder. The
// disconnected flag says that someone cut the link; the block count it raised keeps emission away
// for good.

void Connection::decrease_reference_counter() {
    ORVO_ASSERT(m_reference_counter > 0);
    --m_reference_counter;
    // Once disconnected, a connection that only the link still holds serves nobody.
    if (m_reference_counter == 0 || (m_reference_counter == 1 && m_disconnected && m_signal))
        p_destroy();
}

void Connection::disconnect() {
    p_untrack();
    if (m_reference_counter < 2) {
        p_destroy();
        return;
    }
    --m_reference_counter;
    p_mark_disconnected();
    // With the signal still there, the one reference left is the link's own.
    if (m_signal && m_reference_counter == 1)
        p_destroy();
}

void Connection::set_trackable(Trackable* a_trackable) {
    ORVO_ASSERT(!m_trackable);
    ORVO_ASSERT(a_trackable);
    a_trackable->m_connections.push_back(this);
    m_trackable = a_trackable;
    m_trackable_position = std::prev(a_trackable->m_connections.end());
}

void Connection::unblock() {
    ORVO_ASSERT(m_block_counter > 0);
    --m_block_counter;
}

void Connection::p_untrack() noexcept {
    if (!m_trackable)
        return;
    m_trackable->m_connections.erase(m_trackable_position);
    m_trackable = nullptr;
}

void Connection::p_mark_disconnected() noexcept {
    if (m_disconnected)
        return;
    m_disconnected = true;
    ++m_block_counter;
}

void Connection::p_disconnect_receiver() {
    p_untrack();
    p_mark_disconnected();
    // Holders keep the connection (the link's reference goes with the last of them or with the
    // signal); without holders, only the link's reference is left and nobody will call it again.
    if (m_signal && m_reference_counter == 1)
        p_destroy();
}

void Connection::p_destroy() {
    p_untrack();
    Slot* const slot = m_slot;
    if (slot)
        slot->m_connections.erase(m_slot_position);
    if (m_signal)
        m_signal->m_connections.erase(m_signal_position);
    delete this;
    // Last, so that whatever the slot's destructor does finds this connection fully gone.
    if (slot)
        slot->decrease_reference_counter();
}

} // namespace Orvo
