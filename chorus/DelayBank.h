#pragma once
// A set of delay lines that share one write position per lane of the control block.
//
// Every line holds `length` samples, a power of two, so that any index wraps with one AND. The
// length is the smallest power of two >= size + 19: a read at the largest delay (size frames) with
// the cubic taps (two frames further back) must never reach the 16 frames the control block is
// writing. The lines are one 16-byte aligned allocation, line j starting at j * length.
//
// The 16 positions are the line indices the lanes of the next control block write to; they are
// always consecutive (modulo the length), lane 0 first.

#include "chorus/Block.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace tolvanchorus {

class DelayBank {
public:
    // Largest size accepted by resize: keeps count x length far from overflowing and from
    // allocations no host could want (about 10 s at 768 kHz).
    static constexpr unsigned int maximum_size = (1u << 23) - 19;
    static constexpr unsigned int maximum_line_count = 8;

    // [ui-thread] Allocates a_line_count (1..8) lines for a_size frames, cleared; positions 0..15.
    DelayBank(unsigned int a_line_count, unsigned int a_size);
    DelayBank(const DelayBank&) = delete;
    DelayBank& operator=(const DelayBank&) = delete;
    ~DelayBank();

    // [ui-thread, processing stopped] Replaces the lines by cleared ones for a_size frames. May
    // throw (size above maximum_size, out of memory), in which case the bank is unchanged.
    void resize(unsigned int a_size);

    // [audio-thread] line[position[k]] = a_block[k] for k < a_frames (at most 16).
    void write(unsigned int a_line, const float* a_block, unsigned int a_frames) noexcept {
        if (float* const run = whole_block(a_line, a_frames))
            std::copy_n(a_block, block_frames, run);
        else
            p_write_lanes(a_line, a_block, a_frames);
    }
    // [audio-thread] Where a whole block of a_frames = 16 frames goes when it does not wrap (the
    // lanes are consecutive, so it is one run of the line), for a writer that needs no copy; null
    // otherwise. Not aligned.
    float* whole_block(unsigned int a_line, unsigned int a_frames) noexcept {
        const std::uint32_t first = m_positions.lanes[0];
        if (a_frames >= block_frames && first <= m_mask - (block_frames - 1))
            return line(a_line) + first;
        return nullptr;
    }
    // [audio-thread] Moves the positions past a_frames (at most 16) written frames.
    void advance(unsigned int a_frames) noexcept;

    // The length that a_size frames need; see the header comment.
    static unsigned int length_for(unsigned int a_size) noexcept;

    unsigned int line_count() const noexcept { return m_line_count; }
    unsigned int size() const noexcept { return m_size; }
    unsigned int length() const noexcept { return m_mask + 1; }
    std::uint32_t mask() const noexcept { return m_mask; }
    const std::uint32_t* positions() const noexcept { return m_positions.data(); }
    float* line(unsigned int a_line) noexcept { return m_samples.get() + a_line * length(); }
    const float* line(unsigned int a_line) const noexcept {
        return m_samples.get() + a_line * length();
    }

private:
    struct AlignedDelete {
        void operator()(float* a_samples) const noexcept;
    };
    using Samples = std::unique_ptr<float[], AlignedDelete>;

    static Samples p_allocate_cleared(std::size_t a_count);
    void p_write_lanes(unsigned int a_line, const float* a_block, unsigned int a_frames) noexcept;

    unsigned int m_line_count;
    unsigned int m_size = 0;
    std::uint32_t m_mask = 0;
    Samples m_samples;
    PositionBlock m_positions;
};

} // namespace tolvanchorus
