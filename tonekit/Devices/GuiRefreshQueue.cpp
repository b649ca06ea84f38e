#include "tonekit/Devices/GuiRefreshQueue.h"

#include "tonekit/Parameters/Parameter.h"

#include <algorithm>

namespace Tonekit {

void GuiRefreshQueue::reserve_one_more() {
    std::lock_guard lock(m_lock);
    ++m_capacity;
    for (std::vector<Parameter*>& array : m_arrays)
        array.reserve(m_capacity);
}

void GuiRefreshQueue::remove(Parameter* a_parameter) {
    std::lock_guard lock(m_lock);
    for (unsigned index = 0; index < 2; ++index) {
        std::vector<Parameter*>& array = m_arrays[index];
        const auto position = std::find(array.begin(), array.end(), a_parameter);
        if (position == array.end())
            continue;
        for (auto later = array.erase(position); later != array.end(); ++later)
            --(*later)->m_gui_queue_positions[index];
    }
    a_parameter->m_gui_queue_positions[0] = a_parameter->m_gui_queue_positions[1] = -1;
    // Its slot stays: the arrays never shrink below what was once registered.
}

void GuiRefreshQueue::push(Parameter* a_parameter) noexcept {
    if (!is_gui_attached())
        return;
    std::unique_lock lock(m_lock, std::try_to_lock);
    if (!lock.owns_lock()) {
        request_full_refresh();
        return;
    }
    int& position = a_parameter->m_gui_queue_positions[m_current];
    if (position >= 0)
        return;
    std::vector<Parameter*>& array = m_arrays[m_current];
    // A parameter that never registered has no slot of its own; push_back must not allocate.
    if (array.size() >= array.capacity()) {
        request_full_refresh();
        return;
    }
    position = int(array.size());
    array.push_back(a_parameter);
}

unsigned GuiRefreshQueue::flip() {
    std::lock_guard lock(m_lock);
    m_current ^= 1u;
    return m_current ^ 1u;
}

void GuiRefreshQueue::set_gui_attached(bool a_attached) noexcept {
    m_gui_attached.store(a_attached, std::memory_order_release);
    // A new GUI shows everything once; what was recorded for an older one may be stale.
    if (a_attached)
        request_full_refresh();
}

void GuiRefreshQueue::unfreeze() noexcept {
    // An unfreeze without its freeze is ignored rather than leaving the GUI frozen for good.
    int count = m_freeze_count.load(std::memory_order_acquire);
    while (count > 0 && !m_freeze_count.compare_exchange_weak(count, count - 1))
        ;
    if (count == 1)
        m_refresh_due.store(true);
}

void GuiRefreshQueue::p_reset_position(Parameter* a_parameter, unsigned a_index) noexcept {
    a_parameter->m_gui_queue_positions[a_index] = -1;
}

} // namespace Tonekit
