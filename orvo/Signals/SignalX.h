#pragma once

#include "orvo/Signals/Signal.h"

namespace Orvo {

// A signal that accepts slots of one kind only. An owner that exposes a SignalX* (see
// get_connection_point) lets receivers connect without letting them emit.
template <class SlotT>
class SignalX : public Signal {
public:
    // Takes a slot the caller has just allocated (new MethodSlot1<...>(receiver, &C::on_event))
    // and returns the connection. Keep the pointer only after taking a reference on it.
    Connection* connect(SlotT* a_slot) { return p_connect(a_slot); }

    SignalX* get_connection_point() noexcept { return static_cast<SignalX*>(m_self); }

protected:
    SignalX() = default;
};

} // namespace Orvo
