#include "CallTimes.h"

#include <algorithm>

namespace Stress {

std::chrono::nanoseconds CallTimes::quantile(double a_fraction) const {
    if (m_times.empty())
        return std::chrono::nanoseconds(0);
    std::vector<std::chrono::nanoseconds> sorted = m_times;
    const auto position = std::size_t(a_fraction * double(sorted.size() - 1));
    std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(position), sorted.end());
    return sorted[position];
}

} // namespace Stress
