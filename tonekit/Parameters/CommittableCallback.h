#pragma once
// Objects told to take over committed parameter values, once per commit pass however many of
// their parameters changed (e.g. the chorus recomputes which voices sound after any enable or solo
// change). Parameters share a callback by reference; the device runs the enlisted callbacks on the
// audio thread after the pass, so commit() must be real-time safe.

namespace Tonekit {

class CommittableCallback {
public:
    CommittableCallback() = default;
    CommittableCallback(const CommittableCallback&) = delete;
    CommittableCallback& operator=(const CommittableCallback&) = delete;
    virtual ~CommittableCallback() = default;
    virtual void commit() = 0;

    void add_reference() noexcept { ++m_reference_counter; }
    // Deletes the callback when the last reference goes.
    void release() noexcept;

    bool m_enlisted = false;
    CommittableCallback* m_next = nullptr;
    unsigned m_reference_counter = 0;
};

template <class T>
class CommittableMethodCallback final : public CommittableCallback {
public:
    using Method = void (T::*)();
    CommittableMethodCallback(T* a_object, Method a_method)
        : m_object(a_object), m_method(a_method) {}
    void commit() override { (m_object->*m_method)(); }

private:
    T* m_object;
    Method m_method;
};

// The device's list of callbacks to run at the end of a commit pass. Appending twice is harmless:
// a callback is enlisted once.
class CommittableCallback_ListHead {
public:
    void append(CommittableCallback* a_callback) noexcept;
    // Runs each enlisted callback once, in the order enlisted, and empties the list.
    void commit_all() noexcept;
    bool is_empty() const noexcept { return m_first == nullptr; }

private:
    CommittableCallback* m_first = nullptr;
    CommittableCallback* m_last = nullptr;
};

} // namespace Tonekit
