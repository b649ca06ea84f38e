#pragma once
// Timers of native windows by (window, identifier), due on a millisecond clock. Both backends
// keep one and deliver due timers as timer events; a timer repeats until it is killed.

#include <cstdint>
#include <optional>
#include <vector>

namespace Vexa {

class NativeWindow;

class TimerTable {
public:
    struct Due {
        NativeWindow* window;
        unsigned id;
    };

    void set(NativeWindow* a_window, unsigned a_id, unsigned a_interval, std::uint64_t a_now);
    void kill(NativeWindow* a_window, unsigned a_id);
    void kill_all(NativeWindow* a_window);
    std::optional<std::uint64_t> get_next_due() const;
    // The earliest timer due at `a_now`, rescheduled for its next period; none when nothing is due.
    std::optional<Due> take_due(std::uint64_t a_now);
    std::size_t size() const noexcept { return m_timers.size(); }

private:
    struct Entry {
        NativeWindow* window;
        unsigned id;
        unsigned interval;
        std::uint64_t due;
    };
    std::vector<Entry> m_timers;
};

} // namespace Vexa
