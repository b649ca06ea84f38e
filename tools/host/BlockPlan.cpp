#include "tools/host/BlockPlan.h"

#include <algorithm>

namespace tolvanhost {

namespace {

// splitmix64: small, fast and the same on every platform, unlike the standard distributions.
std::uint64_t split_mix(std::uint64_t& a_state) {
    std::uint64_t z = (a_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

BlockPlan::BlockPlan(const BlockPattern& a_pattern)
    : m_pattern(a_pattern), m_random_state(a_pattern.m_seed) {
    if (m_pattern.m_sizes.empty()) {
        m_pattern.m_sizes = BlockPattern().m_sizes;
    }
    if (m_pattern.m_kind == BlockPattern::Kind::random) {
        m_max = std::max(1, m_pattern.m_random_max);
    } else {
        m_max = std::max(1, *std::max_element(m_pattern.m_sizes.begin(), m_pattern.m_sizes.end()));
    }
}

int BlockPlan::next(std::int64_t a_remaining) {
    const int size = p_next_unclipped();
    return static_cast<int>(std::min<std::int64_t>(size, std::max<std::int64_t>(a_remaining, 1)));
}

int BlockPlan::p_next_unclipped() {
    switch (m_pattern.m_kind) {
    case BlockPattern::Kind::random:
        return 1 + static_cast<int>(split_mix(m_random_state) % static_cast<std::uint64_t>(m_max));
    case BlockPattern::Kind::list: {
        const int size = m_pattern.m_sizes[m_list_position];
        m_list_position = (m_list_position + 1) % m_pattern.m_sizes.size();
        return std::max(1, size);
    }
    case BlockPattern::Kind::fixed:
    default:
        return m_max;
    }
}

} // namespace tolvanhost
