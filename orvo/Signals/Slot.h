#pragma once
// Base of every slot: a small heap object that knows what to call when a signal is emitted. A slot
// is owned by its connections and deletes itself when the last of them is destroyed; the
// connecting code allocates it and hands it to connect, and never deletes it itself.

#include "orvo/Signals/Connection.h"

#include <cstdint>

namespace Orvo {

class Slot {
public:
    Slot() = default;
    Slot(const Slot&) = delete;
    Slot& operator=(const Slot&) = delete;

    // The receiver that must take this slot's connections down with it, or null.
    virtual Trackable* get_trackable() const;
    // Normally reached through decrease_reference_counter(). A slot deleted while connections
    // still use it leaves them disconnected and blocked.
    virtual ~Slot();

    void decrease_reference_counter();
    std::uint32_t get_reference_counter() const noexcept { return m_reference_counter; }
    const ConnectionPointerList& get_connections() const noexcept { return m_connections; }

private:
    friend class Signal;
    friend class Connection;

    std::uint32_t m_reference_counter = 0;
    ConnectionPointerList m_connections;
};

} // namespace Orvo
