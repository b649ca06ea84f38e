#pragma once
// The eight-lane AVX2 forms of the operations of orvo/Simd.h, under the same names. Included by
// orvo/Simd.h, and only in translation units compiled for AVX2 (chosen at run time, see
// orvo/SimdLevel.h); nothing else may include it.
//
// Each operation is the eight-lane form of the very instruction (or sequence) its four-lane
// namesake uses, so a kernel written as a template over the vector type computes every lane the
// same way at either width. No fused multiply-add: the units that include this are built with
// -ffp-contract=off and no wrapper uses an FMA instruction.

#if !defined(__AVX2__)
#error "orvo/Simd256.h is for translation units compiled for AVX2; include orvo/Simd.h"
#endif

namespace Orvo::Simd {

using Float8 = __m256;
using Int8 = __m256i;

template <>
struct VectorOf<8> {
    using type = Float8;
};

// Memory. "aligned" pointers must be 32-byte aligned.
ORVO_SIMD_INLINE Float8 load_aligned32(const float* a_aligned) noexcept {
    return _mm256_load_ps(a_aligned);
}
// A block of 16 floats is 16-byte aligned, not 32: full-width loads of it are unaligned loads,
// which cost nothing extra when they do not cross a cache line.
template <>
ORVO_SIMD_INLINE Float8 load_as<Float8>(const float* a_address) noexcept {
    return _mm256_loadu_ps(a_address);
}
template <>
ORVO_SIMD_INLINE Float8 set1_as<Float8>(float a_value) noexcept {
    return _mm256_set1_ps(a_value);
}
ORVO_SIMD_INLINE Float8 load_unaligned8(const float* a_address) noexcept {
    return _mm256_loadu_ps(a_address);
}
ORVO_SIMD_INLINE void store(float* a_address, Float8 a_value) noexcept {
    _mm256_storeu_ps(a_address, a_value);
}
ORVO_SIMD_INLINE void store_unaligned(float* a_address, Float8 a_value) noexcept {
    _mm256_storeu_ps(a_address, a_value);
}
ORVO_SIMD_INLINE Int8 load8(const std::uint32_t* a_address) noexcept {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a_address));
}
ORVO_SIMD_INLINE Int8 load8(const std::int32_t* a_address) noexcept {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a_address));
}
template <Int32 T>
ORVO_SIMD_INLINE void store(T* a_address, Int8 a_value) noexcept {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(a_address), a_value);
}
template <>
ORVO_SIMD_INLINE auto load_bits_as<Float8>(const std::uint32_t* a_address) noexcept {
    return load8(a_address);
}
template <>
ORVO_SIMD_INLINE auto set1_bits_as<Float8>(std::uint32_t a_value) noexcept {
    return _mm256_set1_epi32(std::int32_t(a_value));
}
// 0, 1, ... 7.
ORVO_SIMD_INLINE Int8 lane_numbers8() noexcept {
    return _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
}
// a_base[a_index[k]] for the eight lanes.
ORVO_SIMD_INLINE Float8 gather(const float* a_base, Int8 a_index) noexcept {
    return _mm256_i32gather_ps(a_base, a_index, 4);
}

ORVO_SIMD_BINARY(add, Float8, _mm256_add_ps)
ORVO_SIMD_BINARY(sub, Float8, _mm256_sub_ps)
ORVO_SIMD_BINARY(mul, Float8, _mm256_mul_ps)
ORVO_SIMD_BINARY(div, Float8, _mm256_div_ps)
ORVO_SIMD_INLINE Float8 sqrt(Float8 a_value) noexcept {
    return _mm256_sqrt_ps(a_value);
}
// The same operand order as the four-lane forms: a NaN or a pair of zeros gives a_right.
ORVO_SIMD_BINARY(min, Float8, _mm256_min_ps)
ORVO_SIMD_BINARY(max, Float8, _mm256_max_ps)

// The predicates of the four-lane forms: SSE's greater and greater_equal are less and less_equal
// with the operands exchanged, so every comparison with NaN is false here too.
ORVO_SIMD_INLINE Float8 less(Float8 a_left, Float8 a_right) noexcept {
    return _mm256_cmp_ps(a_left, a_right, _CMP_LT_OS);
}
ORVO_SIMD_INLINE Float8 less_equal(Float8 a_left, Float8 a_right) noexcept {
    return _mm256_cmp_ps(a_left, a_right, _CMP_LE_OS);
}
ORVO_SIMD_INLINE Float8 greater(Float8 a_left, Float8 a_right) noexcept {
    return _mm256_cmp_ps(a_right, a_left, _CMP_LT_OS);
}
ORVO_SIMD_INLINE Float8 greater_equal(Float8 a_left, Float8 a_right) noexcept {
    return _mm256_cmp_ps(a_right, a_left, _CMP_LE_OS);
}
ORVO_SIMD_INLINE Float8 mask_and(Float8 a_left, Float8 a_right) noexcept {
    return _mm256_and_ps(a_left, a_right);
}
ORVO_SIMD_INLINE Float8 select(Float8 a_mask, Float8 a_if_true, Float8 a_if_false) noexcept {
    return _mm256_or_ps(_mm256_and_ps(a_mask, a_if_true), _mm256_andnot_ps(a_mask, a_if_false));
}
ORVO_SIMD_INLINE Float8 abs(Float8 a_value) noexcept {
    return _mm256_andnot_ps(_mm256_set1_ps(-0.0f), a_value);
}

ORVO_SIMD_INLINE Int8 truncate(Float8 a_value) noexcept {
    return _mm256_cvttps_epi32(a_value);
}
ORVO_SIMD_INLINE Float8 to_float(Int8 a_value) noexcept {
    return _mm256_cvtepi32_ps(a_value);
}
// The four-lane sequence, not vroundps: both must agree on -0 and on denormals.
ORVO_SIMD_INLINE Float8 floor(Float8 a_value) noexcept {
    const Float8 truncated = to_float(truncate(a_value));
    const Float8 floored =
        sub(truncated, mask_and(greater(truncated, a_value), _mm256_set1_ps(1.0f)));
    return select(less(abs(a_value), _mm256_set1_ps(8388608.0f)), floored, a_value);
}
ORVO_SIMD_INLINE Int8 bits_of(Float8 a_value) noexcept {
    return _mm256_castps_si256(a_value);
}
ORVO_SIMD_INLINE Float8 float_from_bits(Int8 a_bits) noexcept {
    return _mm256_castsi256_ps(a_bits);
}

ORVO_SIMD_BINARY(add, Int8, _mm256_add_epi32)
ORVO_SIMD_BINARY(sub, Int8, _mm256_sub_epi32)
ORVO_SIMD_BINARY(bit_and, Int8, _mm256_and_si256)
ORVO_SIMD_BINARY(equal, Int8, _mm256_cmpeq_epi32)
ORVO_SIMD_BINARY(greater, Int8, _mm256_cmpgt_epi32)
ORVO_SIMD_INLINE bool any(Int8 a_comparison) noexcept {
    return _mm256_movemask_epi8(a_comparison) != 0;
}
ORVO_SIMD_INLINE bool all(Int8 a_comparison) noexcept {
    return _mm256_movemask_epi8(a_comparison) == -1;
}

} // namespace Orvo::Simd
