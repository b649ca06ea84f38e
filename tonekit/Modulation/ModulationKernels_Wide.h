#pragma once
// The four-wide kernels of ModulationKernels.h written once over the vector type, so that the
// baseline (four lanes, ModulationKernels.cpp) and the AVX2 forms (eight lanes,
// ModulationKernels_Avx2.cpp) run the same operations per lane and give the same bits. Each one
// evaluates its formula in the same order as its scalar twin in ModulationKernels_Scalar.cpp,
// with min and max in the operand order of the vector instructions (the exact exponential
// excepted, which calls the library per lane in every form).
//
// The modulation constants (start, span, exponent scale) hold one value in four lanes: the kernels
// broadcast lane 0.

#include "tonekit/Modulation/ModulationKernels.h"

#include "orvo/Simd.h"

#include <cmath>
#include <limits>

namespace Tonekit::ModulationKernels::wide {

namespace Simd = Orvo::Simd;

// --- placement
// ------------------------------------------------------------------------------------ Each mode is
// a functor over one<V>() group of four lanes (p = P, gs = G·S, k = K; g for the Between modes, s
// for the Between modes' order of operations).
template <typename V, typename Mode>
void place(const float* a_value, const float* a_range, const float* a_amount, const float* a_signal,
           float* a_result) noexcept {
    for (unsigned i = 0; i < block_size; i += Simd::width<V>) {
        const V p = Simd::load_as<V>(a_value + i);
        const V g = Simd::load_as<V>(a_range + i);
        const V s = Simd::load_as<V>(a_amount + i);
        const V k = Simd::load_as<V>(a_signal + i);
        Simd::store(a_result + i, Mode::apply(p, g, s, k));
    }
}

template <typename V>
V zero() noexcept {
    return Simd::set1_as<V>(0.0f);
}
template <typename V>
V one() noexcept {
    return Simd::set1_as<V>(1.0f);
}
template <typename V>
V two() noexcept {
    return Simd::set1_as<V>(2.0f);
}

// P + G·S·K
template <typename V>
V upward_offset(V a_p, V a_g, V a_s, V a_k) noexcept {
    return Simd::add(a_p, Simd::mul(Simd::mul(a_g, a_s), a_k));
}
// min(2P, 2 - 2P): the distance the centred signal may swing either way.
template <typename V>
V centred_headroom(V a_p) noexcept {
    const V twice = Simd::mul(two<V>(), a_p);
    return Simd::min(twice, Simd::sub(two<V>(), twice));
}
// 1 - P where the signal rises, P where it falls.
template <typename V>
V asymmetric_headroom(V a_p, V a_k) noexcept {
    return Simd::select(Simd::greater(a_k, zero<V>()), Simd::sub(one<V>(), a_p), a_p);
}

struct Above {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return upward_offset(p, g, s, k);
    }
};
struct AboveClipTop {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::min(upward_offset(p, g, s, k), one<V>());
    }
};
struct AboveRestrictTop {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::add(p, Simd::mul(Simd::min(Simd::sub(one<V>(), p), Simd::mul(g, s)), k));
    }
};
struct AboveScaleTop {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::add(p, Simd::mul(Simd::mul(Simd::sub(one<V>(), p), Simd::mul(g, s)), k));
    }
};
struct AroundClip {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::min(Simd::max(upward_offset(p, g, s, k), zero<V>()), one<V>());
    }
};
struct AroundRestrict {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::add(p, Simd::mul(Simd::min(centred_headroom(p), Simd::mul(g, s)), k));
    }
};
struct AroundScale {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::add(p, Simd::mul(Simd::mul(centred_headroom(p), Simd::mul(g, s)), k));
    }
};
struct AsymmetricRestrict {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        const V limit = Simd::min(asymmetric_headroom(p, k), Simd::mul(g, s));
        return Simd::add(p, Simd::mul(limit, Simd::mul(two<V>(), k)));
    }
};
struct AsymmetricScale {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        const V scale = Simd::mul(asymmetric_headroom(p, k), Simd::mul(g, s));
        return Simd::add(p, Simd::mul(scale, Simd::mul(two<V>(), k)));
    }
};
struct Below {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::sub(p, Simd::mul(Simd::mul(g, s), k));
    }
};
struct BelowClipBottom {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::max(Below::apply(p, g, s, k), zero<V>());
    }
};
struct BelowRestrictBottom {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::sub(p, Simd::mul(Simd::min(Simd::mul(g, s), p), k));
    }
};
struct BelowScaleBottom {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::sub(p, Simd::mul(Simd::mul(Simd::mul(g, s), k), p));
    }
};
// G + (P - G)·K·S
struct BetweenRangeAndParameter {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::add(g, Simd::mul(Simd::mul(Simd::sub(p, g), k), s));
    }
};
// P + (G - P)·K·S
struct BetweenParameterAndRange {
    template <typename V>
    static V apply(V p, V g, V s, V k) noexcept {
        return Simd::add(p, Simd::mul(Simd::mul(Simd::sub(g, p), k), s));
    }
};

// Indexed by ModificationType - 1; Around is Above with a centred signal.
template <unsigned W>
inline constexpr Placement placements[16] = {
    place<Simd::Vector<W>, Above>,
    place<Simd::Vector<W>, AboveClipTop>,
    place<Simd::Vector<W>, AboveRestrictTop>,
    place<Simd::Vector<W>, AboveScaleTop>,
    place<Simd::Vector<W>, Above>,
    place<Simd::Vector<W>, AroundClip>,
    place<Simd::Vector<W>, AroundRestrict>,
    place<Simd::Vector<W>, AroundScale>,
    place<Simd::Vector<W>, AsymmetricRestrict>,
    place<Simd::Vector<W>, AsymmetricScale>,
    place<Simd::Vector<W>, Below>,
    place<Simd::Vector<W>, BelowClipBottom>,
    place<Simd::Vector<W>, BelowRestrictBottom>,
    place<Simd::Vector<W>, BelowScaleBottom>,
    place<Simd::Vector<W>, BetweenRangeAndParameter>,
    place<Simd::Vector<W>, BetweenParameterAndRange>,
};

// --- finishing
// ------------------------------------------------------------------------------------ v -
// floor(v), NaN and infinities to 0 (the max picks its right operand for NaN).
template <typename V>
V wrapped(V a_value) noexcept {
    return Simd::max(Simd::sub(a_value, Simd::floor(a_value)), zero<V>());
}

struct Keep {
    template <typename V>
    static V apply(V v) noexcept {
        return v;
    }
};
struct ClampTop {
    template <typename V>
    static V apply(V v) noexcept {
        return Simd::min(v, one<V>());
    }
};
struct ClampBottom {
    template <typename V>
    static V apply(V v) noexcept {
        return Simd::max(v, zero<V>());
    }
};
struct ClampBoth {
    template <typename V>
    static V apply(V v) noexcept {
        return Simd::min(Simd::max(v, zero<V>()), one<V>());
    }
};
struct WrapTop {
    template <typename V>
    static V apply(V v) noexcept {
        return Simd::select(Simd::less_equal(v, one<V>()), v, wrapped(v));
    }
};
struct WrapBottom {
    template <typename V>
    static V apply(V v) noexcept {
        return Simd::select(Simd::greater_equal(v, zero<V>()), v, wrapped(v));
    }
};
struct WrapBoth {
    template <typename V>
    static V apply(V v) noexcept {
        const V inside =
            Simd::mask_and(Simd::greater_equal(v, zero<V>()), Simd::less_equal(v, one<V>()));
        return Simd::select(inside, v, wrapped(v));
    }
};

// The approximate exp2 of ApproximateMath, four lanes at a time. The exponent is pulled into
// -126..128 first so that the bit construction stays defined; the lanes outside get 0, infinity
// or their NaN afterwards, as the scalar form returns them.
template <typename V>
V approximate_exp2(V a_exponent) noexcept {
    const V y = Simd::min(Simd::max(a_exponent, Simd::set1_as<V>(-126.0f)),
                          Simd::set1_as<V>(0x1.fffffep6f));
    const V k = Simd::floor(y);
    const V f = Simd::sub(y, k);
    // ((f + 4.7741494) f + 9.812954) / (9.812954 - 2.0194023 f)
    const V numerator = Simd::add(Simd::mul(Simd::add(f, Simd::set1_as<V>(4.7741494f)), f),
                                  Simd::set1_as<V>(9.812954f));
    const V denominator =
        Simd::sub(Simd::set1_as<V>(9.812954f), Simd::mul(Simd::set1_as<V>(2.0194023f), f));
    const V pattern = Simd::mul(
        Simd::add(Simd::add(Simd::div(numerator, denominator), k), Simd::set1_as<V>(126.0f)),
        Simd::set1_as<V>(8388608.0f));
    V result = Simd::float_from_bits(Simd::truncate(pattern));
    result = Simd::select(Simd::less(a_exponent, Simd::set1_as<V>(-126.0f)), zero<V>(), result);
    result = Simd::select(Simd::greater_equal(a_exponent, Simd::set1_as<V>(128.0f)),
                          Simd::set1_as<V>(std::numeric_limits<float>::infinity()), result);
    const V is_number = Simd::less_equal(a_exponent, a_exponent);
    return Simd::select(is_number, result, a_exponent);
}

template <typename V, typename Bound>
void finish_identity(const float* a_normalized, const float*, const float*, const float*,
                     float* a_internal) noexcept {
    for (unsigned i = 0; i < block_size; i += Simd::width<V>)
        Simd::store(a_internal + i, Bound::apply(Simd::load_as<V>(a_normalized + i)));
}

template <typename V, typename Bound>
void finish_linear(const float* a_normalized, const float* a_start, const float* a_span,
                   const float*, float* a_internal) noexcept {
    const V start = Simd::set1_as<V>(a_start[0]);
    const V span = Simd::set1_as<V>(a_span[0]);
    for (unsigned i = 0; i < block_size; i += Simd::width<V>) {
        const V v = Bound::apply(Simd::load_as<V>(a_normalized + i));
        Simd::store(a_internal + i, Simd::add(start, Simd::mul(v, span)));
    }
}

template <typename V, typename Bound>
void finish_exponential_approximate(const float* a_normalized, const float* a_start, const float*,
                                    const float* a_exponent_scale, float* a_internal) noexcept {
    const V start = Simd::set1_as<V>(a_start[0]);
    const V scale = Simd::set1_as<V>(a_exponent_scale[0]);
    for (unsigned i = 0; i < block_size; i += Simd::width<V>) {
        const V v = Bound::apply(Simd::load_as<V>(a_normalized + i));
        Simd::store(a_internal + i, Simd::mul(start, approximate_exp2(Simd::mul(v, scale))));
    }
}

// The library exponential has no four-wide form: the exponents are gathered first.
template <typename V, typename Bound>
void finish_exponential_exact(const float* a_normalized, const float* a_start, const float*,
                              const float* a_exponent_scale, float* a_internal) noexcept {
    const V scale = Simd::set1_as<V>(a_exponent_scale[0]);
    alignas(16) float exponents[block_size];
    for (unsigned i = 0; i < block_size; i += Simd::width<V>)
        Simd::store(exponents + i,
                    Simd::mul(Bound::apply(Simd::load_as<V>(a_normalized + i)), scale));
    for (unsigned i = 0; i < block_size; ++i)
        a_internal[i] = a_start[0] * std::exp2(exponents[i]);
}

template <unsigned W, typename Bound>
inline constexpr Finishing mappings[4] = {
    finish_identity<Simd::Vector<W>, Bound>,
    finish_linear<Simd::Vector<W>, Bound>,
    finish_exponential_approximate<Simd::Vector<W>, Bound>,
    finish_exponential_exact<Simd::Vector<W>, Bound>,
};

// [bounding][mapping], the indices of ModulationKernels_Shared.h.
template <unsigned W>
inline constexpr const Finishing* finishings[7] = {
    mappings<W, Keep>,    mappings<W, ClampTop>,   mappings<W, ClampBottom>, mappings<W, ClampBoth>,
    mappings<W, WrapTop>, mappings<W, WrapBottom>, mappings<W, WrapBoth>,
};

template <typename V>
void signal_forms(const float* a_output, float (*a_forms)[block_size]) noexcept {
    const V half = Simd::set1_as<V>(0.5f);
    for (unsigned i = 0; i < block_size; i += Simd::width<V>) {
        const V x = Simd::load_as<V>(a_output + i);
        Simd::store(a_forms[SignalForm_UPWARD] + i, x);
        Simd::store(a_forms[SignalForm_DOWNWARD] + i, Simd::sub(one<V>(), x));
        Simd::store(a_forms[SignalForm_CENTRED] + i, Simd::sub(x, half));
        Simd::store(a_forms[SignalForm_NEGATED] + i, Simd::sub(half, x));
    }
}

} // namespace Tonekit::ModulationKernels::wide
