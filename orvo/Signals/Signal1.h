#pragma once

#include "orvo/Signals/SignalX.h"
#include "orvo/Signals/Slot1.h"

namespace Orvo {

template <class Signature>
class Signal1;

// The signal with one argument: an event object the emitter builds on its stack and passes by
// reference to every live connection, in connection order.
template <class T>
class Signal1<T&> : public SignalX<Slot1<T&>> {
public:
    Signal1() = default;

    void emit(T& a_event) {
        this->p_emit(
            [&a_event](Slot* a_slot) { static_cast<Slot1<T&>*>(a_slot)->invoke(a_event); });
    }
};

} // namespace Orvo
