#pragma once
// Per-frame blocks: every continuous quantity the signal path reads holds one value per frame of a
// control block of at most 16 frames. Lanes past the valid frame count are computed like the others
// but never reach an output or a delay line. The 16-byte alignment lets the kernels load four lanes
// at a time.

#include <cstdint>

namespace tolvanchorus {

inline constexpr unsigned int block_frames = 16;

struct alignas(16) Block {
    float lanes[block_frames];

    float* data() noexcept { return lanes; }
    const float* data() const noexcept { return lanes; }
    float& operator[](unsigned int a_lane) noexcept { return lanes[a_lane]; }
    float operator[](unsigned int a_lane) const noexcept { return lanes[a_lane]; }
};

// A (left, right) pair as the panning-law kernels write it: two blocks back to back in one array,
// so that a kernel may address the right side as data() + 16.
struct alignas(16) BlockPair {
    float lanes[2 * block_frames];

    float* data() noexcept { return lanes; }
    const float* data() const noexcept { return lanes; }
    float* left() noexcept { return lanes; }
    const float* left() const noexcept { return lanes; }
    float* right() noexcept { return lanes + block_frames; }
    const float* right() const noexcept { return lanes + block_frames; }
};

// Integer delays (signed: they come from truncating a float) and unsigned line positions and taps.
struct alignas(16) IndexBlock {
    std::int32_t lanes[block_frames];

    std::int32_t* data() noexcept { return lanes; }
    const std::int32_t* data() const noexcept { return lanes; }
};

struct alignas(16) PositionBlock {
    std::uint32_t lanes[block_frames];

    std::uint32_t* data() noexcept { return lanes; }
    const std::uint32_t* data() const noexcept { return lanes; }
};

} // namespace tolvanchorus
