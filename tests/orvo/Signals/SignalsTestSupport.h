#pragma once
// Receivers, counted slots and an emitter shared by the signal tests. Slots count their live
// instances so that a test sees exactly when a teardown deletes one; AddressSanitizer builds
// catch the rest (a connection freed too early or never).

#include "orvo/Signals/MethodSlot1.h"
#include "orvo/Signals/Signal1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Orvo {
// Reaches states that correct use never produces, to check the guards against them.
struct ConnectionTestAccess {
    static void set_reference_counter(Connection& a_connection, std::uint32_t a_value) {
        a_connection.m_reference_counter = a_value;
    }
};
} // namespace Orvo

namespace signals_test {

struct Event {
    int value = 0;
};

using Log = std::vector<std::string>;

inline int g_live_slots = 0;

class Receiver {
public:
    Receiver(std::string a_name, Log& a_log) : m_name(std::move(a_name)), m_log(a_log) {}
    void on_event(Event& a_event) { m_log.push_back(m_name + std::to_string(a_event.value)); }

private:
    std::string m_name;
    Log& m_log;
};

class TrackedReceiver : public Receiver, public Orvo::Trackable {
public:
    using Receiver::Receiver;
};

template <class C>
class CountedSlot : public Orvo::MethodSlot1<void(Event&), C> {
public:
    CountedSlot(C* a_receiver, void (C::*a_method)(Event&))
        : Orvo::MethodSlot1<void(Event&), C>(a_receiver, a_method) {
        ++g_live_slots;
    }
    ~CountedSlot() override { --g_live_slots; }
};

// Owns its signal like any emitting class and exposes only the connection point.
class Emitter {
public:
    Orvo::SignalX<Orvo::Slot1<Event&>>* on_event() { return m_signal.get_connection_point(); }
    void fire(int a_value) {
        Event event{a_value};
        m_signal.emit(event);
    }
    const Orvo::Signal1<Event&>& signal() const { return m_signal; }

private:
    Orvo::Signal1<Event&> m_signal;
};

template <class C>
Orvo::Connection* connect(Emitter& a_emitter, C& a_receiver) {
    return a_emitter.on_event()->connect(new CountedSlot<C>(&a_receiver, &C::on_event));
}

// Every test must end with every slot deleted.
class SignalsTest : public ::testing::Test {
protected:
    void SetUp() override { g_live_slots = 0; }
    void TearDown() override { EXPECT_EQ(g_live_slots, 0); }
};

template <class F>
Orvo::Exception failure_of(F&& a_action) {
    try {
        a_action();
    } catch (const Orvo::Exception& failure) {
        return failure;
    }
    return Orvo::Exception(u"<no exception>");
}

} // namespace signals_test
