#pragma once
// A value model: one value held inside an interval, with a signal when it changes. Widgets that
// edit a number bind to it, and several widgets may show the same model.

#include "orvo/Signals/Signal1.h"

#include <algorithm>

namespace Vexa {

template <class T, T MIN, T MAX>
struct Interval1 {
    static constexpr T minimum = MIN;
    static constexpr T maximum = MAX;
};

template <class T>
struct Wwm1_ChangedEvent {
    T old_value;
    T new_value;
};

template <class T, class I>
class Wwm1 {
public:
    Wwm1() = default;
    explicit Wwm1(T a_value) : m_value(std::clamp(a_value, m_minimum, m_maximum)) {}
    Wwm1(const Wwm1&) = delete;
    Wwm1& operator=(const Wwm1&) = delete;
    virtual ~Wwm1() = default;

    virtual T get() const { return m_value; }
    // Clamped into the interval; emits only on a real change.
    virtual void set(T a_value) {
        const T value = std::clamp(a_value, m_minimum, m_maximum);
        if (value == m_value)
            return;
        Wwm1_ChangedEvent<T> event{m_value, value};
        m_value = value;
        m_on_changed.emit(event);
    }
    virtual T get_minimum() const { return m_minimum; }
    virtual T get_maximum() const { return m_maximum; }
    // The value is clamped into the new interval. A maximum below the minimum is raised to it.
    virtual void set_interval(T a_minimum, T a_maximum) {
        m_minimum = a_minimum;
        m_maximum = std::max(a_minimum, a_maximum);
        set(m_value);
    }
    virtual void set_minimum(T a_minimum) {
        set_interval(a_minimum, std::max(a_minimum, m_maximum));
    }
    virtual void set_maximum(T a_maximum) {
        set_interval(std::min(m_minimum, a_maximum), a_maximum);
    }

    Orvo::Signal1<Wwm1_ChangedEvent<T>&> m_on_changed;

private:
    T m_minimum = I::minimum;
    T m_maximum = I::maximum;
    T m_value = I::minimum;
};

using Wwm1_UnsignedInt = Wwm1<unsigned int, Interval1<unsigned int, 0u, 1u>>;
using Wwm1_Int = Wwm1<int, Interval1<int, 0, 1>>;

} // namespace Vexa
