#pragma once
// The link between one signal and one slot. A connection is reference counted because several
// parties may let go of it in any order: the link itself (one reference while the signal keeps
// it), and every outside holder (one reference each, taken with increase_reference_counter()
// right after connect). The signal, the slot and a trackable receiver hold no reference; when one
// of them goes away it cuts the link and the connection lives on only as long as holders keep it,
// disconnected and blocked, so that a holder's pointer never dangles.
//
// [ui-thread] Nothing here is locked: signals are connected, emitted and torn down on the GUI
// thread only.

#include "orvo/Containers/List.h"

#include <cstdint>

namespace Orvo {

class Connection;
class Signal;
class Slot;
class Trackable;

// The list a signal, a slot and a trackable each keep of their connections. A connection records
// its position in all three, so it can unlink itself in constant time.
using ConnectionPointerList = List<Connection*>;

class Connection {
public:
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // An outside holder takes its reference right after connect returns.
    void increase_reference_counter() noexcept { ++m_reference_counter; }
    // Gives up one holder's reference without cutting the link; the last one destroys the
    // connection, and so does the last holder of a connection that was disconnected meanwhile.
    void decrease_reference_counter();
    // Cuts the link and gives up the caller's reference in one step. Other holders keep a
    // disconnected, blocked connection until they let go as well.
    void disconnect();
    // Records the receiver that must take the connection down with it. Connect calls this once.
    void set_trackable(Trackable* a_trackable);

    // While the block count is non-zero, emission skips this connection. Prefer ConnectionBlocker,
    // which also lowers the count when an exception passes.
    void block() noexcept { ++m_block_counter; }
    void unblock();

    // Emission calls the slot only when this holds.
    bool is_live() const noexcept { return m_block_counter == 0 && !m_disconnected && m_slot; }
    bool is_blocked() const noexcept { return m_block_counter != 0; }
    bool is_disconnected() const noexcept { return m_disconnected; }
    std::uint32_t get_block_counter() const noexcept { return m_block_counter; }
    std::uint32_t get_reference_counter() const noexcept { return m_reference_counter; }
    // Null once the signal, the slot or the trackable is gone.
    Signal* get_signal() const noexcept { return m_signal; }
    Slot* get_slot() const noexcept { return m_slot; }
    Trackable* get_trackable() const noexcept { return m_trackable; }

private:
    friend class Signal;
    friend class Slot;
    friend class Trackable;
    // Lets the tests reach states that correct use never produces.
    friend struct ConnectionTestAccess;

    Connection() = default;
    ~Connection() = default;

    void p_untrack() noexcept;
    void p_mark_disconnected() noexcept;
    // The slot or the trackable went away. Unlike disconnect() it gives up no reference, since
    // neither of them holds one.
    void p_disconnect_receiver();
    void p_destroy();

    std::uint32_t m_block_counter = 0;
    std::uint32_t m_reference_counter = 0;
    Signal* m_signal = nullptr;
    ConnectionPointerList::iterator m_signal_position{};
    Slot* m_slot = nullptr;
    ConnectionPointerList::iterator m_slot_position{};
    bool m_disconnected = false;
    Trackable* m_trackable = nullptr;
    ConnectionPointerList::iterator m_trackable_position{};
};

} // namespace Orvo
