#include "tonekit/Parameters/CommittableCallback.h"

namespace Tonekit {

void CommittableCallback::release() noexcept {
    if (m_reference_counter > 0 && --m_reference_counter == 0)
        delete this;
}

void CommittableCallback_ListHead::append(CommittableCallback* a_callback) noexcept {
    if (!a_callback || a_callback->m_enlisted)
        return;
    a_callback->m_enlisted = true;
    a_callback->m_next = nullptr;
    if (m_last)
        m_last->m_next = a_callback;
    else
        m_first = a_callback;
    m_last = a_callback;
}

void CommittableCallback_ListHead::commit_all() noexcept {
    CommittableCallback* callback = m_first;
    m_first = m_last = nullptr;
    while (callback) {
        CommittableCallback* next = callback->m_next;
        callback->m_enlisted = false;
        callback->m_next = nullptr;
        callback->commit();
        callback = next;
    }
}

} // namespace Tonekit
