#include "vexa/Widget/UpdateManager.h"

namespace Vexa {

void UpdateManager::request_flush() {
    if (m_suspension_counter > 0 || m_running) {
        m_due = true;
        return;
    }
    m_running = true;
    // Work that the flush itself asks for (a slot that queues more) runs in another round.
    try {
        do {
            m_due = false;
            m_flush(m_context);
        } while (m_due);
    } catch (...) {
        m_running = false;
        throw;
    }
    m_running = false;
}

void UpdateManager::resume() {
    if (--m_suspension_counter == 0 && m_due)
        request_flush();
}

} // namespace Vexa
