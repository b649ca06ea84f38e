#pragma once
// The one place that includes the x86 intrinsics. Kernels write Simd::add(a, b) instead of
// _mm_add_ps(a, b) so that another instruction set (or a portable emulation) can be put behind
// these names later without touching a kernel.
//
// These are the SSE2 forms: every x86-64 processor has them, so they are the baseline. Each
// wrapper is one instruction or a short fixed sequence (set: up to three shuffles; transpose: eight
// shuffles). The arithmetic ones keep the IEEE single-precision result of the scalar operation they
// stand for; kernels rely on that to give bit-identical results to their scalar twins.
//
// A translation unit compiled for AVX2 also gets the eight-lane forms of orvo/Simd256.h under the
// same names, so that a kernel written as a template over the vector type runs the same operations
// per lane at either width. Every wrapper is forced inline: a copy emitted out of line by an AVX2
// unit could otherwise be the one the linker keeps for the SSE2 callers too.

#include <immintrin.h>

#include <concepts>
#include <cstdint>

namespace Orvo::Simd {

using Float4 = __m128;
using Int4 = __m128i;

// The lane-by-lane operations that are a single instruction of two operands.
#define ORVO_SIMD_INLINE [[gnu::always_inline]] inline
#define ORVO_SIMD_BINARY(name, Vector, instruction)                                                \
    ORVO_SIMD_INLINE Vector name(Vector a_left, Vector a_right) noexcept {                         \
        return instruction(a_left, a_right);                                                       \
    }

// Memory. "aligned" pointers must be 16-byte aligned.
ORVO_SIMD_INLINE Float4 load(const float* a_aligned) noexcept {
    return _mm_load_ps(a_aligned);
}
ORVO_SIMD_INLINE Float4 load_unaligned(const float* a_address) noexcept {
    return _mm_loadu_ps(a_address);
}
ORVO_SIMD_INLINE void store(float* a_aligned, Float4 a_value) noexcept {
    _mm_store_ps(a_aligned, a_value);
}
ORVO_SIMD_INLINE void store_unaligned(float* a_address, Float4 a_value) noexcept {
    _mm_storeu_ps(a_address, a_value);
}
template <typename T>
concept Int32 = std::same_as<T, std::int32_t> || std::same_as<T, std::uint32_t>;
template <Int32 T>
ORVO_SIMD_INLINE Int4 load(const T* a_aligned) noexcept {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(a_aligned));
}
template <Int32 T>
ORVO_SIMD_INLINE void store(T* a_aligned, Int4 a_value) noexcept {
    _mm_store_si128(reinterpret_cast<__m128i*>(a_aligned), a_value);
}

// Four scalars into the lanes 0, 1, 2, 3. With loads for arguments this is SSE2's gather: four
// loads and three shuffles.
ORVO_SIMD_INLINE Float4 set(float a_lane0, float a_lane1, float a_lane2, float a_lane3) noexcept {
    return _mm_setr_ps(a_lane0, a_lane1, a_lane2, a_lane3);
}
// Two pairs of consecutive floats from anywhere: (a_first[0], a_first[1], a_second[0],
// a_second[1]).
ORVO_SIMD_INLINE Float4 load_pairs(const float* a_first, const float* a_second) noexcept {
    const Float4 low = _mm_loadl_pi(_mm_setzero_ps(), reinterpret_cast<const __m64*>(a_first));
    return _mm_loadh_pi(low, reinterpret_cast<const __m64*>(a_second));
}

// Shuffles. even_lanes gives (a0, a2, b0, b2), odd_lanes (a1, a3, b1, b3).
ORVO_SIMD_INLINE Float4 even_lanes(Float4 a_a, Float4 a_b) noexcept {
    return _mm_shuffle_ps(a_a, a_b, _MM_SHUFFLE(2, 0, 2, 0));
}
ORVO_SIMD_INLINE Float4 odd_lanes(Float4 a_a, Float4 a_b) noexcept {
    return _mm_shuffle_ps(a_a, a_b, _MM_SHUFFLE(3, 1, 3, 1));
}
// Rows become columns: afterwards a_row0 holds what were the lanes 0 of the four rows, and so on.
ORVO_SIMD_INLINE void transpose(Float4& a_row0, Float4& a_row1, Float4& a_row2,
                                Float4& a_row3) noexcept {
    _MM_TRANSPOSE4_PS(a_row0, a_row1, a_row2, a_row3);
}

// Float arithmetic, lane by lane.
ORVO_SIMD_INLINE Float4 set1(float a_value) noexcept {
    return _mm_set1_ps(a_value);
}
ORVO_SIMD_BINARY(add, Float4, _mm_add_ps)
ORVO_SIMD_BINARY(sub, Float4, _mm_sub_ps)
ORVO_SIMD_BINARY(mul, Float4, _mm_mul_ps)
ORVO_SIMD_BINARY(div, Float4, _mm_div_ps)
ORVO_SIMD_INLINE Float4 sqrt(Float4 a_value) noexcept {
    return _mm_sqrt_ps(a_value);
}
// min and max are not symmetric: where either lane is NaN (or both are zeros) the result is
// a_right. Scalar twins write them as (a_left < a_right ? a_left : a_right) and
// (a_left > a_right ? a_left : a_right) to agree on every input.
ORVO_SIMD_BINARY(min, Float4, _mm_min_ps)
ORVO_SIMD_BINARY(max, Float4, _mm_max_ps)

// Float comparisons give all ones in the lanes where they hold, zero elsewhere; any comparison
// with NaN is false. select takes a_if_true where the mask is set, a_if_false elsewhere.
ORVO_SIMD_INLINE Float4 less(Float4 a_left, Float4 a_right) noexcept {
    return _mm_cmplt_ps(a_left, a_right);
}
ORVO_SIMD_INLINE Float4 less_equal(Float4 a_left, Float4 a_right) noexcept {
    return _mm_cmple_ps(a_left, a_right);
}
ORVO_SIMD_INLINE Float4 greater(Float4 a_left, Float4 a_right) noexcept {
    return _mm_cmpgt_ps(a_left, a_right);
}
ORVO_SIMD_INLINE Float4 greater_equal(Float4 a_left, Float4 a_right) noexcept {
    return _mm_cmpge_ps(a_left, a_right);
}
ORVO_SIMD_INLINE Float4 equal_to(Float4 a_left, Float4 a_right) noexcept {
    return _mm_cmpeq_ps(a_left, a_right);
}
ORVO_SIMD_INLINE Float4 mask_and(Float4 a_left, Float4 a_right) noexcept {
    return _mm_and_ps(a_left, a_right);
}
ORVO_SIMD_INLINE Float4 select(Float4 a_mask, Float4 a_if_true, Float4 a_if_false) noexcept {
    return _mm_or_ps(_mm_and_ps(a_mask, a_if_true), _mm_andnot_ps(a_mask, a_if_false));
}
// Clears the sign bit, as std::fabs does.
ORVO_SIMD_INLINE Float4 abs(Float4 a_value) noexcept {
    return _mm_andnot_ps(_mm_set1_ps(-0.0f), a_value);
}

// Conversions. truncate rounds toward zero; a lane that is NaN or outside the int32 range becomes
// INT32_MIN (the processor's "integer indefinite" value).
ORVO_SIMD_INLINE Int4 truncate(Float4 a_value) noexcept {
    return _mm_cvttps_epi32(a_value);
}
ORVO_SIMD_INLINE Float4 to_float(Int4 a_value) noexcept {
    return _mm_cvtepi32_ps(a_value);
}

// The largest integer not above each lane, as std::floor gives it (SSE2 has no rounding
// instruction): truncation, one less where that rounded up. From 2^23 on every float is an
// integer, and NaN and infinities are their own floor, so those lanes are taken as they are.
// Only a floor of -0 differs: it gives +0, which compares equal.
ORVO_SIMD_INLINE Float4 floor(Float4 a_value) noexcept {
    const Float4 truncated = to_float(truncate(a_value));
    const Float4 floored = sub(truncated, mask_and(greater(truncated, a_value), set1(1.0f)));
    return select(less(abs(a_value), set1(8388608.0f)), floored, a_value);
}
// The same bits seen as the other type.
ORVO_SIMD_INLINE Int4 bits_of(Float4 a_value) noexcept {
    return _mm_castps_si128(a_value);
}
ORVO_SIMD_INLINE Float4 float_from_bits(Int4 a_bits) noexcept {
    return _mm_castsi128_ps(a_bits);
}

// Integer arithmetic, lane by lane, modulo 2^32.
ORVO_SIMD_INLINE Int4 set1(std::uint32_t a_value) noexcept {
    return _mm_set1_epi32(std::int32_t(a_value));
}
ORVO_SIMD_INLINE Int4 set(std::uint32_t a_lane0, std::uint32_t a_lane1, std::uint32_t a_lane2,
                          std::uint32_t a_lane3) noexcept {
    return _mm_setr_epi32(std::int32_t(a_lane0), std::int32_t(a_lane1), std::int32_t(a_lane2),
                          std::int32_t(a_lane3));
}
ORVO_SIMD_BINARY(add, Int4, _mm_add_epi32)
ORVO_SIMD_BINARY(sub, Int4, _mm_sub_epi32)
ORVO_SIMD_BINARY(bit_and, Int4, _mm_and_si128)
// Comparisons give all ones in the lanes where they hold, zero elsewhere; greater compares signed
// integers.
ORVO_SIMD_BINARY(equal, Int4, _mm_cmpeq_epi32)
ORVO_SIMD_BINARY(greater, Int4, _mm_cmpgt_epi32)
// Whether any lane, or every lane, of a comparison result is set.
ORVO_SIMD_INLINE bool any(Int4 a_comparison) noexcept {
    return _mm_movemask_epi8(a_comparison) != 0;
}
ORVO_SIMD_INLINE bool all(Int4 a_comparison) noexcept {
    return _mm_movemask_epi8(a_comparison) == 0xFFFF;
}

// For kernels written over the vector type V: V's load and broadcast (Float4 here, Float8 in
// orvo/Simd256.h).
template <typename V>
V load_as(const float* a_aligned) noexcept;
template <typename V>
V set1_as(float a_value) noexcept;
template <>
ORVO_SIMD_INLINE Float4 load_as<Float4>(const float* a_aligned) noexcept {
    return load(a_aligned);
}
template <>
ORVO_SIMD_INLINE Float4 set1_as<Float4>(float a_value) noexcept {
    return set1(a_value);
}
// V's integer counterpart: a load of unsigned lanes and a broadcast.
template <typename V>
auto load_bits_as(const std::uint32_t* a_aligned) noexcept;
template <typename V>
auto set1_bits_as(std::uint32_t a_value) noexcept;
template <>
ORVO_SIMD_INLINE auto load_bits_as<Float4>(const std::uint32_t* a_aligned) noexcept {
    return load(a_aligned);
}
template <>
ORVO_SIMD_INLINE auto set1_bits_as<Float4>(std::uint32_t a_value) noexcept {
    return set1(a_value);
}
// The vector of W lanes, for tables indexed by width (a vector type itself written as a template
// argument would lose its attributes).
template <unsigned W>
struct VectorOf;
template <>
struct VectorOf<4> {
    using type = Float4;
};
template <unsigned W>
using Vector = typename VectorOf<W>::type;
// Lanes per vector.
template <typename V>
inline constexpr unsigned width = sizeof(V) / sizeof(float);

// Flush-to-zero and denormals-are-zero for the lifetime of the object; the caller's mode comes
// back on destruction. A reverb tail fading out of an earlier plug-in would otherwise run through
// every voice at the many-times cost of denormal arithmetic.
class DenormalsOff {
public:
    static constexpr unsigned flush_to_zero = 0x8000;
    static constexpr unsigned denormals_are_zero = 0x0040;

    DenormalsOff() noexcept : m_saved(_mm_getcsr()) {
        _mm_setcsr(m_saved | flush_to_zero | denormals_are_zero);
    }
    ~DenormalsOff() { _mm_setcsr(m_saved); }
    DenormalsOff(const DenormalsOff&) = delete;
    DenormalsOff& operator=(const DenormalsOff&) = delete;

private:
    unsigned m_saved;
};

} // namespace Orvo::Simd

#if defined(__AVX2__)
#include "orvo/Simd256.h"
#endif

#undef ORVO_SIMD_BINARY
