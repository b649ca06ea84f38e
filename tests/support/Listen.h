#pragma once
// Connects a function to a one-argument signal, for tests that only record what a signal
// carried. Like any receiver that is not trackable, whatever the function refers to must outlive
// the connection.

#include "orvo/Signals/Signal1.h"

#include <functional>
#include <utility>

namespace TestSupport {

template <class T>
class FunctionSlot1 : public Orvo::Slot1<T&> {
public:
    explicit FunctionSlot1(std::function<void(T&)> a_function)
        : m_function(std::move(a_function)) {}
    void invoke(T& a_event) override { m_function(a_event); }

private:
    std::function<void(T&)> m_function;
};

template <class T, class F>
Orvo::Connection* listen(Orvo::Signal1<T&>& a_signal, F a_function) {
    return a_signal.connect(new FunctionSlot1<T>(std::move(a_function)));
}

} // namespace TestSupport
