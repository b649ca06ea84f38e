#pragma once

#include "orvo/Signals/Slot.h"

namespace Orvo {

template <class Signature>
class Slot1;

// A slot of a one-argument signal; the argument is an event object passed by reference.
template <class T>
class Slot1<T&> : public Slot {
public:
    virtual void invoke(T& a_event) = 0;
};

} // namespace Orvo
