#pragma once
// Hands parameter changes from the user-interface thread to the audio thread. Writers append to
// the current list under a short leaf lock; once per host block the audio thread flips the index
// and then owns the other list alone, so it never waits for a writer: when a writer holds the lock
// at that moment, the flip simply waits for the next block.

#include "tonekit/Parameters/ParameterChangeLink.h"

#include <mutex>

namespace Tonekit {

class Parameter;

class ParameterChangeQueue {
public:
    // [any-thread but the audio thread] Records a_reason and appends the parameter once.
    void queue_change(Parameter* a_parameter, unsigned a_reason);
    // [any-thread] The same without waiting: false when another thread holds the lock.
    bool try_queue_change(Parameter* a_parameter, unsigned a_reason) noexcept;

    // [audio-thread] Flips the lists without waiting. Returns false when a writer held the lock.
    bool try_flip() noexcept;

    // Takes every link of the list that is no longer filled, in order, unlinking each first.
    template <class Handler>
    void drain_previous(Handler&& a_handler) {
        p_drain(m_lists[m_current ^ 1u], m_current ^ 1u, a_handler);
    }
    // Both lists, while writers are kept out by the caller (device reset, commit all).
    template <class Handler>
    void drain_all(Handler&& a_handler) {
        std::lock_guard lock(m_lock);
        p_drain(m_lists[m_current ^ 1u], m_current ^ 1u, a_handler);
        p_drain(m_lists[m_current], m_current, a_handler);
    }
    // [ui-thread, processing lock held] Takes a parameter that is going away out of both lists.
    void remove(Parameter* a_parameter);
    void clear_index() {
        std::lock_guard lock(m_lock);
        m_current = 0;
    }

private:
    struct List {
        ParameterChangeLink* m_first = nullptr;
        ParameterChangeLink* m_last = nullptr;
    };

    // The caller holds m_lock.
    void p_append(Parameter* a_parameter, unsigned a_reason) noexcept;

    template <class Handler>
    static void p_drain(List& a_list, unsigned, Handler& a_handler) {
        ParameterChangeLink* link = a_list.m_first;
        a_list.m_first = a_list.m_last = nullptr;
        while (link) {
            ParameterChangeLink* next = link->m_next;
            link->m_next = nullptr;
            link->m_enlisted = false;
            a_handler(*link);
            link = next;
        }
    }

    std::mutex m_lock;
    List m_lists[2];
    unsigned m_current = 0;
};

} // namespace Tonekit
