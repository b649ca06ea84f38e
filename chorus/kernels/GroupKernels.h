#pragma once
// The kernels of a voice's read path one group of four lanes at a time, inline, so that the signal
// path can run them without storing in between. The SSE block kernels of DelayReadKernels.h and
// MixKernels.h are loops over these steps, so the tests that hold each block kernel to its scalar
// twin hold these too. The formulas are in DelayReadKernels.h and MixKernels.h.
//
// The interpolations take the four taps c from memory (16-byte aligned): the sample indices are
// then formed in general registers, beside the vector work, instead of being moved out of a vector
// register one lane at a time. Where the samples come from depends on the taps, never the result:
// - one run: while the integer delay is the same in the four lanes, each tap is one past the tap
//   of the lane before, and the taps of the group are overlapping unaligned loads of one run of
//   frames (the common case: delays move slowly);
// - one load per lane and a transpose, when the lanes read apart but none wraps around the end of
//   the line;
// - single loads, out of line, when a lane's taps wrap (a few positions in the line's length).
// The bounds assume a line of at least 8 samples; a DelayBank line has at least 32.

#include "orvo/Simd.h"

#include <cstdint>

namespace tolvanchorus::kernels::sse::groups {

using Orvo::Simd::Float4;
using Orvo::Simd::Int4;

// The arithmetic steps below are templates over the vector type: the AVX2 pass runs them on eight
// lanes (orvo/Simd256.h), with the same operations per lane.
template <typename V>
struct ReadPosition {
    decltype(Orvo::Simd::truncate(V{})) index;
    V fraction;
};

template <typename V>
inline ReadPosition<V> read_position(V a_delay, V a_depth, V a_modulation, V a_low,
                                     V a_high) noexcept {
    using namespace Orvo::Simd;
    // a = min(max(D, lo), hi); b = min(max(D + W, lo), hi); p = b + (a - b) * m
    const V a = min(max(a_delay, a_low), a_high);
    const V b = min(max(add(a_delay, a_depth), a_low), a_high);
    const V p = add(b, mul(sub(a, b), a_modulation));
    // i = trunc(p); f = p - i
    const auto i = truncate(p);
    return {i, sub(p, to_float(i))};
}

// c = (P - i) & mask
template <typename I>
inline I tap_index(I a_positions, I a_index, I a_mask) noexcept {
    using namespace Orvo::Simd;
    return bit_and(sub(a_positions, a_index), a_mask);
}

// The oldest tap of each interpolation, as an offset from c.
inline constexpr std::uint32_t linear_oldest = ~0u; // c - 1
inline constexpr std::uint32_t cubic_oldest = ~1u;  // c - 2

// Whether c_k = c_0 + k in the four lanes.
inline bool one_run(const std::uint32_t* a_tap) noexcept {
    using namespace Orvo::Simd;
    return all(equal(load(a_tap), add(set1(a_tap[0]), set(0u, 1u, 2u, 3u))));
}

// y = s(c) + (s(c-1) - s(c)) * f
template <typename V>
inline V linear(V a_y0, V a_y1, V a_fraction) noexcept {
    using namespace Orvo::Simd;
    return add(a_y0, mul(sub(a_y1, a_y0), a_fraction));
}

// Four-point Catmull-Rom over y-1 = s(c+1), y0 = s(c), y1 = s(c-1), y2 = s(c-2).
template <typename V>
inline V catmull_rom(V a_y_1, V a_y0, V a_y1, V a_y2, V a_fraction) noexcept {
    using namespace Orvo::Simd;
    const V half = set1_as<V>(0.5f);
    // c1 = 0.5 (y1 - y-1)
    const V c1 = mul(half, sub(a_y1, a_y_1));
    // c2 = y-1 + 2 y1 - 0.5 (5 y0 + y2)
    const V c2 = sub(add(a_y_1, mul(set1_as<V>(2.0f), a_y1)),
                     mul(half, add(mul(set1_as<V>(5.0f), a_y0), a_y2)));
    // c3 = 0.5 (3 (y0 - y1) - y-1 + y2)
    const V c3 = mul(half, add(sub(mul(set1_as<V>(3.0f), sub(a_y0, a_y1)), a_y_1), a_y2));
    // y = ((c3 f + c2) f + c1) f + y0
    return add(mul(add(mul(add(mul(c3, a_fraction), c2), a_fraction), c1), a_fraction), a_y0);
}

// a_run points at the oldest tap, s(c-1), of the group's lane 0; lane k reads a_run[k], a_run[k+1].
inline Float4 interpolate_linear_run(const float* a_run, Float4 a_fraction) noexcept {
    using namespace Orvo::Simd;
    return linear(load_unaligned(a_run + 1), load_unaligned(a_run), a_fraction);
}

// a_run points at the oldest tap, s(c-2), of the group's lane 0; lane k reads a_run[k .. k + 3].
inline Float4 interpolate_cubic_run(const float* a_run, Float4 a_fraction) noexcept {
    using namespace Orvo::Simd;
    return catmull_rom(load_unaligned(a_run + 3), load_unaligned(a_run + 2),
                       load_unaligned(a_run + 1), load_unaligned(a_run), a_fraction);
}

namespace detail {
// s((c + a_offset) & mask) for the four lanes.
inline Float4 samples(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_offset,
                      std::uint32_t a_mask) noexcept {
    return Orvo::Simd::set(
        a_line[(a_tap[0] + a_offset) & a_mask], a_line[(a_tap[1] + a_offset) & a_mask],
        a_line[(a_tap[2] + a_offset) & a_mask], a_line[(a_tap[3] + a_offset) & a_mask]);
}

// a_samples[n] = s(c + 1 - n) for n < a_count: y-1, y0, y1, y2 in that order. Kept out of line so
// that the rare case takes no registers from the common ones.
[[gnu::noinline, gnu::cold]] inline void wrapped_samples(const float* a_line,
                                                         const std::uint32_t* a_tap,
                                                         std::uint32_t a_mask, Float4* a_samples,
                                                         unsigned int a_count) noexcept {
    for (unsigned int n = 0; n < a_count; ++n)
        a_samples[n] = samples(a_line, a_tap, 1u - n, a_mask);
}
} // namespace detail

inline Float4 interpolate_linear(const float* a_line, const std::uint32_t* a_tap,
                                 std::uint32_t a_mask, Float4 a_fraction) noexcept {
    using namespace Orvo::Simd;
    const std::uint32_t run = (a_tap[0] + linear_oldest) & a_mask;
    if (run <= a_mask - 4 && one_run(a_tap)) [[likely]]
        return interpolate_linear_run(a_line + run, a_fraction);
    const Int4 oldest = bit_and(add(load(a_tap), set1(linear_oldest)), set1(a_mask));
    if (!any(greater(oldest, set1(a_mask - 1)))) {
        // s(c-1) and s(c) side by side in each lane.
        const Float4 lanes01 = load_pairs(a_line + ((a_tap[0] + linear_oldest) & a_mask),
                                          a_line + ((a_tap[1] + linear_oldest) & a_mask));
        const Float4 lanes23 = load_pairs(a_line + ((a_tap[2] + linear_oldest) & a_mask),
                                          a_line + ((a_tap[3] + linear_oldest) & a_mask));
        return linear(odd_lanes(lanes01, lanes23), even_lanes(lanes01, lanes23), a_fraction);
    }
    Float4 wrapped[3];
    detail::wrapped_samples(a_line, a_tap, a_mask, wrapped, 3);
    return linear(wrapped[1], wrapped[2], a_fraction);
}

inline Float4 interpolate_cubic(const float* a_line, const std::uint32_t* a_tap,
                                std::uint32_t a_mask, Float4 a_fraction) noexcept {
    using namespace Orvo::Simd;
    const std::uint32_t run = (a_tap[0] + cubic_oldest) & a_mask;
    if (run <= a_mask - 6 && one_run(a_tap)) [[likely]]
        return interpolate_cubic_run(a_line + run, a_fraction);
    const Int4 oldest = bit_and(add(load(a_tap), set1(cubic_oldest)), set1(a_mask));
    if (!any(greater(oldest, set1(a_mask - 3)))) {
        // s(c-2) .. s(c+1) side by side in each lane.
        Float4 y2 = load_unaligned(a_line + ((a_tap[0] + cubic_oldest) & a_mask));
        Float4 y1 = load_unaligned(a_line + ((a_tap[1] + cubic_oldest) & a_mask));
        Float4 y0 = load_unaligned(a_line + ((a_tap[2] + cubic_oldest) & a_mask));
        Float4 y_1 = load_unaligned(a_line + ((a_tap[3] + cubic_oldest) & a_mask));
        transpose(y2, y1, y0, y_1);
        return catmull_rom(y_1, y0, y1, y2, a_fraction);
    }
    Float4 wrapped[4];
    detail::wrapped_samples(a_line, a_tap, a_mask, wrapped, 4);
    return catmull_rom(wrapped[0], wrapped[1], wrapped[2], wrapped[3], a_fraction);
}

// v = left * gL + right * gR
template <typename V>
inline V pan_sum(V a_left, V a_right, V a_gain_left, V a_gain_right) noexcept {
    using namespace Orvo::Simd;
    return add(mul(a_left, a_gain_left), mul(a_right, a_gain_right));
}

// v = (left * gL + right * gR) * gain
template <typename V>
inline V pan_sum_scaled(V a_left, V a_right, V a_gain_left, V a_gain_right, V a_gain) noexcept {
    using namespace Orvo::Simd;
    return mul(add(mul(a_left, a_gain_left), mul(a_right, a_gain_right)), a_gain);
}

// wetL += v * gain * gL; wetR += v * gain * gR
template <typename V>
inline void accumulate(V a_voice, V a_gain, V a_gain_left, V a_gain_right, float* a_wet_left,
                       float* a_wet_right) noexcept {
    using namespace Orvo::Simd;
    const V v = mul(a_voice, a_gain);
    store(a_wet_left, add(load_as<V>(a_wet_left), mul(v, a_gain_left)));
    store(a_wet_right, add(load_as<V>(a_wet_right), mul(v, a_gain_right)));
}

// out = (wet * wet_level + in * dry) * global_gain
template <typename V>
inline V mix(V a_wet, V a_input, V a_wet_level, V a_dry, V a_global_gain) noexcept {
    using namespace Orvo::Simd;
    return mul(add(mul(a_wet, a_wet_level), mul(a_input, a_dry)), a_global_gain);
}

} // namespace tolvanchorus::kernels::sse::groups
