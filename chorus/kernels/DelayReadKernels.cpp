#include "chorus/kernels/DelayReadKernels.h"

#include "chorus/Block.h"
#include "chorus/kernels/GroupKernels.h"

#include <limits>

namespace tolvanchorus {

namespace kernels::scalar {

namespace {
// The operand order follows the SSE instructions: on NaN (and on two zeros) the right one wins.
float minimum(float a_left, float a_right) {
    return a_left < a_right ? a_left : a_right;
}
float maximum(float a_left, float a_right) {
    return a_left > a_right ? a_left : a_right;
}

// The SSE conversion's answer for every input, without the undefined behaviour of a cast that
// overflows: NaN and out-of-range values give INT32_MIN.
std::int32_t truncate(float a_value) {
    if (a_value >= -2147483648.0f && a_value < 2147483648.0f)
        return static_cast<std::int32_t>(a_value);
    return std::numeric_limits<std::int32_t>::min();
}
} // namespace

void read_position(const float* a_delay, const float* a_depth, const float* a_modulation,
                   const DelayLimits& a_limits, std::int32_t* a_index, float* a_fraction) {
    const float low = a_limits.minimum[0];
    const float high = a_limits.maximum[0];
    for (unsigned int k = 0; k < block_frames; ++k) {
        const float a = minimum(maximum(a_delay[k], low), high);
        const float b = minimum(maximum(a_delay[k] + a_depth[k], low), high);
        const float p = b + (a - b) * a_modulation[k];
        a_index[k] = truncate(p);
        a_fraction[k] = p - static_cast<float>(a_index[k]);
    }
}

void tap_index(const std::uint32_t* a_positions, const std::int32_t* a_index, std::uint32_t a_mask,
               std::uint32_t* a_tap) {
    for (unsigned int k = 0; k < block_frames; ++k)
        a_tap[k] = (a_positions[k] - static_cast<std::uint32_t>(a_index[k])) & a_mask;
}

void interpolate_linear(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                        const float* a_fraction, float* a_result) {
    for (unsigned int k = 0; k < block_frames; ++k) {
        const std::uint32_t c = a_tap[k];
        const float y0 = a_line[c & a_mask];
        const float y1 = a_line[(c - 1) & a_mask];
        a_result[k] = y0 + (y1 - y0) * a_fraction[k];
    }
}

void interpolate_cubic(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                       const float* a_fraction, float* a_result) {
    for (unsigned int k = 0; k < block_frames; ++k) {
        const std::uint32_t c = a_tap[k];
        const float y_1 = a_line[(c + 1) & a_mask];
        const float y0 = a_line[c & a_mask];
        const float y1 = a_line[(c - 1) & a_mask];
        const float y2 = a_line[(c - 2) & a_mask];
        const float c1 = 0.5f * (y1 - y_1);
        const float c2 = y_1 + 2.0f * y1 - 0.5f * (5.0f * y0 + y2);
        const float c3 = 0.5f * (3.0f * (y0 - y1) - y_1 + y2);
        const float f = a_fraction[k];
        a_result[k] = ((c3 * f + c2) * f + c1) * f + y0;
    }
}

} // namespace kernels::scalar

namespace kernels::sse {

using namespace Orvo::Simd;

void read_position(const float* a_delay, const float* a_depth, const float* a_modulation,
                   const DelayLimits& a_limits, std::int32_t* a_index, float* a_fraction) {
    const Float4 low = load(a_limits.minimum);
    const Float4 high = load(a_limits.maximum);
    for (unsigned int k = 0; k < block_frames; k += 4) {
        const auto position = groups::read_position(
            load(a_delay + k), load(a_depth + k), load(a_modulation + k), low, high);
        store(a_index + k, position.index);
        store(a_fraction + k, position.fraction);
    }
}

void tap_index(const std::uint32_t* a_positions, const std::int32_t* a_index, std::uint32_t a_mask,
               std::uint32_t* a_tap) {
    const Int4 mask = set1(a_mask);
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_tap + k, groups::tap_index(load(a_positions + k), load(a_index + k), mask));
}

void interpolate_linear(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                        const float* a_fraction, float* a_result) {
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_result + k,
              groups::interpolate_linear(a_line, a_tap + k, a_mask, load(a_fraction + k)));
}

void interpolate_cubic(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                       const float* a_fraction, float* a_result) {
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_result + k,
              groups::interpolate_cubic(a_line, a_tap + k, a_mask, load(a_fraction + k)));
}

} // namespace kernels::sse

} // namespace tolvanchorus
