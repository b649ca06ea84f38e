#include "vexa/Platform/TimerTable.h"

#include <algorithm>

namespace Vexa {

void TimerTable::set(NativeWindow* a_window, unsigned a_id, unsigned a_interval,
                     std::uint64_t a_now) {
    kill(a_window, a_id);
    m_timers.push_back({a_window, a_id, a_interval, a_now + a_interval});
}

void TimerTable::kill(NativeWindow* a_window, unsigned a_id) {
    std::erase_if(m_timers, [&](const Entry& a_entry) {
        return a_entry.window == a_window && a_entry.id == a_id;
    });
}

void TimerTable::kill_all(NativeWindow* a_window) {
    std::erase_if(m_timers, [&](const Entry& a_entry) { return a_entry.window == a_window; });
}

std::optional<std::uint64_t> TimerTable::get_next_due() const {
    if (m_timers.empty())
        return std::nullopt;
    return std::min_element(m_timers.begin(), m_timers.end(),
                            [](const Entry& a, const Entry& b) { return a.due < b.due; })
        ->due;
}

std::optional<TimerTable::Due> TimerTable::take_due(std::uint64_t a_now) {
    auto earliest = std::min_element(m_timers.begin(), m_timers.end(),
                                     [](const Entry& a, const Entry& b) { return a.due < b.due; });
    if (earliest == m_timers.end() || earliest->due > a_now)
        return std::nullopt;
    // A timer that fell behind (a long modal pause) fires once, not once per missed period.
    const unsigned period = std::max(earliest->interval, 1u);
    earliest->due += period;
    if (earliest->due <= a_now)
        earliest->due = a_now + period;
    return Due{earliest->window, earliest->id};
}

} // namespace Vexa
