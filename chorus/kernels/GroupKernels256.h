#pragma once
// Where the eight lanes of an AVX2 group read their samples; the arithmetic is GroupKernels.h's,
// so each lane gets the bits the four-lane group gives it. One run (the common case: the integer
// delay is the same in the eight lanes and the run does not wrap) is a set of overlapping
// unaligned loads; anything else gathers each tap masked, which also covers the wrap.

#include "chorus/kernels/GroupKernels.h"

namespace tolvanchorus::kernels::sse::groups {

using Orvo::Simd::Float8;
using Orvo::Simd::Int8;

namespace detail {
// Whether c_k = c_0 + k in the eight lanes.
inline bool one_run8(const std::uint32_t* a_tap) noexcept {
    using namespace Orvo::Simd;
    return all(equal(load8(a_tap), add(set1_bits_as<Float8>(a_tap[0]), lane_numbers8())));
}

// s((c + a_offset) & mask) for the eight lanes.
inline Float8 gathered(const float* a_line, Int8 a_tap, std::uint32_t a_offset,
                       std::uint32_t a_mask) noexcept {
    using namespace Orvo::Simd;
    return gather(
        a_line, bit_and(add(a_tap, set1_bits_as<Float8>(a_offset)), set1_bits_as<Float8>(a_mask)));
}
} // namespace detail

inline Float8 interpolate_linear(const float* a_line, const std::uint32_t* a_tap,
                                 std::uint32_t a_mask, Float8 a_fraction) noexcept {
    using namespace Orvo::Simd;
    const std::uint32_t run = (a_tap[0] + linear_oldest) & a_mask;
    if (run <= a_mask - 8 && detail::one_run8(a_tap)) [[likely]]
        return linear(load_unaligned8(a_line + run + 1), load_unaligned8(a_line + run), a_fraction);
    const Int8 tap = load8(a_tap);
    return linear(detail::gathered(a_line, tap, 0u, a_mask),
                  detail::gathered(a_line, tap, linear_oldest, a_mask), a_fraction);
}

inline Float8 interpolate_cubic(const float* a_line, const std::uint32_t* a_tap,
                                std::uint32_t a_mask, Float8 a_fraction) noexcept {
    using namespace Orvo::Simd;
    const std::uint32_t run = (a_tap[0] + cubic_oldest) & a_mask;
    if (run <= a_mask - 10 && detail::one_run8(a_tap)) [[likely]]
        return catmull_rom(load_unaligned8(a_line + run + 3), load_unaligned8(a_line + run + 2),
                           load_unaligned8(a_line + run + 1), load_unaligned8(a_line + run),
                           a_fraction);
    const Int8 tap = load8(a_tap);
    return catmull_rom(detail::gathered(a_line, tap, 1u, a_mask),
                       detail::gathered(a_line, tap, 0u, a_mask),
                       detail::gathered(a_line, tap, ~0u, a_mask),
                       detail::gathered(a_line, tap, ~1u, a_mask), a_fraction);
}

} // namespace tolvanchorus::kernels::sse::groups
