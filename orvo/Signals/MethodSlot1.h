#pragma once
// Calls a member function of a receiver with the event. A receiver that derives from Trackable
// gets its connections disconnected when it is destroyed; any other receiver must outlive its
// connections or have them disconnected by a holder.

#include "orvo/Core/Assert.h"
#include "orvo/Signals/Slot1.h"
#include "orvo/Signals/Trackable.h"

#include <type_traits>

namespace Orvo {

template <class Signature, class C>
class MethodSlot1;

template <class T, class C>
class MethodSlot1<void(T&), C> : public Slot1<T&> {
public:
    using Method = void (C::*)(T&);

    MethodSlot1(C* a_receiver, Method a_method) : m_receiver(a_receiver), m_method(a_method) {}

    Trackable* get_trackable() const override {
        if constexpr (std::is_base_of_v<Trackable, C>)
            return m_receiver ? static_cast<Trackable*>(m_receiver) : nullptr;
        else
            return nullptr;
    }

    void invoke(T& a_event) override {
        ORVO_ASSERT(m_receiver && m_method);
        (m_receiver->*m_method)(a_event);
    }

    C* get_receiver() const noexcept { return m_receiver; }

private:
    C* m_receiver;
    Method m_method;
};

} // namespace Orvo
