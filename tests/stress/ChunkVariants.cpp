#include "ChunkVariants.h"

#include <algorithm>
#include <cstring>

namespace Stress {

namespace {

std::size_t p_below(std::minstd_rand& a_random, std::size_t a_limit) {
    return a_limit == 0 ? 0 : std::size_t(a_random() % a_limit);
}

} // namespace

ChunkVariants::ChunkVariants(Bytes a_first) {
    m_pool.push_back(std::move(a_first));
}

void ChunkVariants::add_valid(const Bytes& a_chunk, std::minstd_rand& a_random) {
    if (a_chunk.empty() || std::find(m_pool.begin(), m_pool.end(), a_chunk) != m_pool.end())
        return;
    std::size_t place = m_pool.size();
    if (m_pool.size() < pool_limit)
        m_pool.push_back(a_chunk);
    else
        m_pool[place = 1 + p_below(a_random, m_pool.size() - 1)] = a_chunk;
    m_latest_changed = place;
}

const Bytes& ChunkVariants::pick_valid(std::minstd_rand& a_random) const {
    return m_pool[p_below(a_random, m_pool.size())];
}

Bytes ChunkVariants::truncated(std::minstd_rand& a_random) const {
    const Bytes& chunk = pick_valid(a_random);
    // At least one byte: an empty chunk is no chunk and is ignored before any parsing.
    return Bytes(chunk.begin(),
                 chunk.begin() + std::ptrdiff_t(1 + p_below(a_random, chunk.size() - 1)));
}

Bytes ChunkVariants::bit_flipped(std::minstd_rand& a_random) const {
    Bytes chunk = pick_valid(a_random);
    if (a_random() % 4 == 0) {
        // A count or length that claims far more than the chunk holds.
        const std::size_t at = p_below(a_random, chunk.size() - 4);
        std::memset(chunk.data() + at, a_random() % 2 ? 0xFF : 0x7F, 4);
        return chunk;
    }
    const std::size_t flips = 1 + p_below(a_random, 8);
    for (std::size_t i = 0; i < flips; ++i)
        chunk[p_below(a_random, chunk.size())] ^=
            static_cast<unsigned char>(1u << (a_random() % 8));
    return chunk;
}

Bytes ChunkVariants::foreign(std::minstd_rand& a_random) const {
    const Bytes& chunk = pick_valid(a_random);
    const std::string own = "Tolvan Chorus/Preset";
    const auto replace_preamble = [&](const std::string& a_preamble) {
        Bytes result(a_preamble.begin(), a_preamble.end());
        const std::size_t skip = std::min(own.size(), chunk.size());
        result.insert(result.end(), chunk.begin() + std::ptrdiff_t(skip), chunk.end());
        return result;
    };
    switch (a_random() % 4) {
    case 0:
        // Another plug-in of the same framework: same tree shape, its own name.
        return replace_preamble("Tolvan Flange/Preset");
    case 1:
        // The settings file of this very plug-in.
        return replace_preamble("Tolvan Chorus/Settings");
    case 2: {
        Bytes noise(1 + p_below(a_random, 4096));
        for (unsigned char& byte : noise)
            byte = static_cast<unsigned char>(a_random());
        return noise;
    }
    default:
        // The right name and then noise where the tree should be.
        Bytes result(own.begin(), own.end());
        for (std::size_t i = p_below(a_random, 64); i > 0; --i)
            result.push_back(static_cast<unsigned char>(a_random()));
        return result;
    }
}

} // namespace Stress
