#pragma once
// Wall times of processReplacing calls, kept in storage reserved up front so that recording one
// never allocates on the audio thread. Only reported, never judged: a loaded machine or a
// sanitizer makes any bound meaningless.

#include <chrono>
#include <cstddef>
#include <vector>

namespace Stress {

class CallTimes {
public:
    explicit CallTimes(std::size_t a_capacity) { m_times.reserve(a_capacity); }

    void add(std::chrono::nanoseconds a_time) noexcept {
        if (a_time > m_worst)
            m_worst = a_time;
        if (m_times.size() < m_times.capacity())
            m_times.push_back(a_time);
    }
    std::chrono::nanoseconds worst() const noexcept { return m_worst; }
    // The a_fraction quantile (0.5 the median) of the recorded calls; zero when there are none.
    std::chrono::nanoseconds quantile(double a_fraction) const;
    std::size_t count() const noexcept { return m_times.size(); }

private:
    std::vector<std::chrono::nanoseconds> m_times;
    std::chrono::nanoseconds m_worst{0};
};

} // namespace Stress
