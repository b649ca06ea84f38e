#pragma once
// The chunks a stress run hands to the plug-in: valid ones the plug-in gave out itself, and
// damaged ones made from them the way real projects get damaged (cut short, bits flipped, a
// length field blown up) or mixed up (another plug-in's chunk, a settings file, noise).

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace Stress {

using Bytes = std::vector<unsigned char>;

class ChunkVariants {
public:
    static constexpr std::size_t pool_limit = 32;

    // a_first is kept for good: the state the run started from.
    explicit ChunkVariants(Bytes a_first);

    // A chunk the plug-in handed out. Equal chunks are kept once; a full pool forgets one at
    // random, never the first.
    void add_valid(const Bytes& a_chunk, std::minstd_rand& a_random);
    const Bytes& pick_valid(std::minstd_rand& a_random) const;
    const Bytes& first() const noexcept { return m_pool.front(); }
    // The most recent chunk that differs from the first, or the first when there is none.
    const Bytes& latest_changed() const noexcept { return m_pool[m_latest_changed]; }
    std::size_t size() const noexcept { return m_pool.size(); }

    Bytes truncated(std::minstd_rand& a_random) const;
    Bytes bit_flipped(std::minstd_rand& a_random) const;
    Bytes foreign(std::minstd_rand& a_random) const;

private:
    std::vector<Bytes> m_pool;
    std::size_t m_latest_changed = 0;
};

} // namespace Stress
