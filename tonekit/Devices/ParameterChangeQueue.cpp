#include "tonekit/Devices/ParameterChangeQueue.h"

#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

void ParameterChangeQueue::queue_change(Parameter* a_parameter, unsigned a_reason) {
    std::lock_guard lock(m_lock);
    p_append(a_parameter, a_reason);
}

bool ParameterChangeQueue::try_queue_change(Parameter* a_parameter, unsigned a_reason) noexcept {
    std::unique_lock lock(m_lock, std::try_to_lock);
    if (!lock.owns_lock())
        return false;
    p_append(a_parameter, a_reason);
    return true;
}

void ParameterChangeQueue::p_append(Parameter* a_parameter, unsigned a_reason) noexcept {
    ParameterChangeLink& link = a_parameter->m_change_links[m_current];
    link.m_reason = a_reason;
    if (link.m_enlisted)
        return;
    link.m_enlisted = true;
    link.m_next = nullptr;
    List& list = m_lists[m_current];
    if (list.m_last)
        list.m_last->m_next = &link;
    else
        list.m_first = &link;
    list.m_last = &link;
}

void ParameterChangeQueue::remove(Parameter* a_parameter) {
    std::lock_guard lock(m_lock);
    for (List& list : m_lists) {
        ParameterChangeLink* previous = nullptr;
        for (ParameterChangeLink* link = list.m_first; link;) {
            ParameterChangeLink* next = link->m_next;
            if (link->m_parameter == a_parameter) {
                (previous ? previous->m_next : list.m_first) = next;
                if (list.m_last == link)
                    list.m_last = previous;
                link->m_next = nullptr;
                link->m_enlisted = false;
            } else {
                previous = link;
            }
            link = next;
        }
    }
}

bool ParameterChangeQueue::try_flip() noexcept {
    std::unique_lock lock(m_lock, std::try_to_lock);
    if (!lock.owns_lock())
        return false;
    m_current ^= 1u;
    return true;
}

} // namespace Tonekit
