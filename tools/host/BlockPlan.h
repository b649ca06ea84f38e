#pragma once
// The sequence of host block sizes for a render. Real hosts change their block size from call to
// call (automation splits, loop points); a fixed size, a cycled list or a seeded random walk lets
// a render reproduce such a host exactly, run after run.

#include "tools/host/HostOptions.h"

#include <cstddef>
#include <cstdint>

namespace tolvanhost {

class BlockPlan {
public:
    explicit BlockPlan(const BlockPattern& a_pattern);

    // The largest size the plan can return: what the plug-in is told with effSetBlockSize.
    int max_block_size() const { return m_max; }

    // The next block's length, never more than a_remaining (> 0) frames.
    int next(std::int64_t a_remaining);

private:
    int p_next_unclipped();

    BlockPattern m_pattern;
    int m_max = 1;
    std::size_t m_list_position = 0;
    std::uint64_t m_random_state = 0;
};

} // namespace tolvanhost
