#include "chorus/DelayBank.h"

#include "orvo/Core/Assert.h"

#include <algorithm>
#include <new>

namespace tolvanchorus {

namespace {
constexpr std::align_val_t sample_alignment{16};
// One control block plus the cubic taps behind the oldest frame.
constexpr unsigned int length_reserve = block_frames + 3;
} // namespace

void DelayBank::AlignedDelete::operator()(float* a_samples) const noexcept {
    ::operator delete[](a_samples, sample_alignment);
}

DelayBank::DelayBank(unsigned int a_line_count, unsigned int a_size) : m_line_count(a_line_count) {
    ORVO_ASSERT(a_line_count > 0 && a_line_count <= maximum_line_count);
    for (unsigned int k = 0; k < block_frames; ++k)
        m_positions.lanes[k] = k;
    resize(a_size);
}

DelayBank::~DelayBank() = default;

unsigned int DelayBank::length_for(unsigned int a_size) noexcept {
    unsigned int length = 1;
    while (length < a_size + length_reserve)
        length <<= 1;
    return length;
}

DelayBank::Samples DelayBank::p_allocate_cleared(std::size_t a_count) {
    Samples samples(
        static_cast<float*>(::operator new[](a_count * sizeof(float), sample_alignment)));
    std::fill_n(samples.get(), a_count, 0.0f);
    return samples;
}

void DelayBank::resize(unsigned int a_size) {
    ORVO_ASSERT(a_size <= maximum_size);
    const unsigned int length = length_for(a_size);
    m_samples = p_allocate_cleared(std::size_t(m_line_count) * length);
    m_size = a_size;
    m_mask = length - 1;
    // Every position must index the new line. Masking each lane on its own would do that, but
    // when the line grows and the lanes had wrapped in the old one (8190, 8191, 0, 1, ... in a
    // line of 8192 that becomes 16384), lanes 0 and 1 would keep writing 8192 frames away from
    // the others and every read across them would fetch the wrong frame. Rebuilding the run from
    // lane 0 gives the same positions as masking each lane whenever the line shrinks or the lanes
    // had not wrapped, and a consistent run otherwise.
    const std::uint32_t first = m_positions.lanes[0] & m_mask;
    for (unsigned int k = 0; k < block_frames; ++k)
        m_positions.lanes[k] = (first + k) & m_mask;
}

void DelayBank::p_write_lanes(unsigned int a_line, const float* a_block,
                              unsigned int a_frames) noexcept {
    float* const samples = line(a_line);
    const unsigned int frames = std::min(a_frames, block_frames);
    for (unsigned int k = 0; k < frames; ++k)
        samples[m_positions.lanes[k]] = a_block[k];
}

void DelayBank::advance(unsigned int a_frames) noexcept {
    std::uint32_t* const position = m_positions.lanes;
    if (a_frames >= block_frames) {
        for (unsigned int k = 0; k < block_frames; ++k)
            position[k] = (position[k] + block_frames) & m_mask;
        return;
    }
    // A partial block continues from the first lane it did not write.
    position[0] = position[a_frames];
    for (unsigned int k = 1; k < block_frames; ++k)
        position[k] = (position[k - 1] + 1) & m_mask;
}

} // namespace tolvanchorus
