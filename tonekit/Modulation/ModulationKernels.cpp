// The four-wide kernels. Each one evaluates its formula in the same order as its scalar twin in
// ModulationKernels_Scalar.cpp, with min and max in the operand order of the vector instructions,
// so that both give the same bits for every input (the exact exponential excepted, which calls
// the library per lane in both).

#include "tonekit/Modulation/ModulationKernels.h"

#include "tonekit/Modulation/ModulationKernels_Shared.h"

#include "orvo/Simd.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace Tonekit::ModulationKernels {

namespace {

namespace Simd = Orvo::Simd;
using Simd::Float4;

// --- placement
// ------------------------------------------------------------------------------------ Each mode is
// a functor over one group of four lanes (p = P, gs = G·S, k = K; g for the Between modes, s for
// the Between modes' order of operations).
template <typename Mode>
void place(const float* a_value, const float* a_range, const float* a_amount, const float* a_signal,
           float* a_result) noexcept {
    for (unsigned i = 0; i < block_size; i += 4) {
        const Float4 p = Simd::load(a_value + i);
        const Float4 g = Simd::load(a_range + i);
        const Float4 s = Simd::load(a_amount + i);
        const Float4 k = Simd::load(a_signal + i);
        Simd::store(a_result + i, Mode::apply(p, g, s, k));
    }
}

const Float4 zero = Simd::set1(0.0f);
const Float4 one = Simd::set1(1.0f);
const Float4 two = Simd::set1(2.0f);

// P + G·S·K
Float4 upward_offset(Float4 a_p, Float4 a_g, Float4 a_s, Float4 a_k) noexcept {
    return Simd::add(a_p, Simd::mul(Simd::mul(a_g, a_s), a_k));
}
// min(2P, 2 - 2P): the distance the centred signal may swing either way.
Float4 centred_headroom(Float4 a_p) noexcept {
    const Float4 twice = Simd::mul(two, a_p);
    return Simd::min(twice, Simd::sub(two, twice));
}
// 1 - P where the signal rises, P where it falls.
Float4 asymmetric_headroom(Float4 a_p, Float4 a_k) noexcept {
    return Simd::select(Simd::greater(a_k, zero), Simd::sub(one, a_p), a_p);
}

struct Above {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return upward_offset(p, g, s, k);
    }
};
struct AboveClipTop {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::min(upward_offset(p, g, s, k), one);
    }
};
struct AboveRestrictTop {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::add(p, Simd::mul(Simd::min(Simd::sub(one, p), Simd::mul(g, s)), k));
    }
};
struct AboveScaleTop {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::add(p, Simd::mul(Simd::mul(Simd::sub(one, p), Simd::mul(g, s)), k));
    }
};
struct AroundClip {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::min(Simd::max(upward_offset(p, g, s, k), zero), one);
    }
};
struct AroundRestrict {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::add(p, Simd::mul(Simd::min(centred_headroom(p), Simd::mul(g, s)), k));
    }
};
struct AroundScale {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::add(p, Simd::mul(Simd::mul(centred_headroom(p), Simd::mul(g, s)), k));
    }
};
struct AsymmetricRestrict {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        const Float4 limit = Simd::min(asymmetric_headroom(p, k), Simd::mul(g, s));
        return Simd::add(p, Simd::mul(limit, Simd::mul(two, k)));
    }
};
struct AsymmetricScale {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        const Float4 scale = Simd::mul(asymmetric_headroom(p, k), Simd::mul(g, s));
        return Simd::add(p, Simd::mul(scale, Simd::mul(two, k)));
    }
};
struct Below {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::sub(p, Simd::mul(Simd::mul(g, s), k));
    }
};
struct BelowClipBottom {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::max(Below::apply(p, g, s, k), zero);
    }
};
struct BelowRestrictBottom {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::sub(p, Simd::mul(Simd::min(Simd::mul(g, s), p), k));
    }
};
struct BelowScaleBottom {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::sub(p, Simd::mul(Simd::mul(Simd::mul(g, s), k), p));
    }
};
// G + (P - G)·K·S
struct BetweenRangeAndParameter {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::add(g, Simd::mul(Simd::mul(Simd::sub(p, g), k), s));
    }
};
// P + (G - P)·K·S
struct BetweenParameterAndRange {
    static Float4 apply(Float4 p, Float4 g, Float4 s, Float4 k) noexcept {
        return Simd::add(p, Simd::mul(Simd::mul(Simd::sub(g, p), k), s));
    }
};

// Indexed by ModificationType - 1; Around is Above with a centred signal.
constexpr Placement placements[] = {
    place<Above>,
    place<AboveClipTop>,
    place<AboveRestrictTop>,
    place<AboveScaleTop>,
    place<Above>,
    place<AroundClip>,
    place<AroundRestrict>,
    place<AroundScale>,
    place<AsymmetricRestrict>,
    place<AsymmetricScale>,
    place<Below>,
    place<BelowClipBottom>,
    place<BelowRestrictBottom>,
    place<BelowScaleBottom>,
    place<BetweenRangeAndParameter>,
    place<BetweenParameterAndRange>,
};

// --- finishing
// ------------------------------------------------------------------------------------ v -
// floor(v), NaN and infinities to 0 (the max picks its right operand for NaN).
Float4 wrapped(Float4 a_value) noexcept {
    return Simd::max(Simd::sub(a_value, Simd::floor(a_value)), zero);
}

struct Keep {
    static Float4 apply(Float4 v) noexcept { return v; }
};
struct ClampTop {
    static Float4 apply(Float4 v) noexcept { return Simd::min(v, one); }
};
struct ClampBottom {
    static Float4 apply(Float4 v) noexcept { return Simd::max(v, zero); }
};
struct ClampBoth {
    static Float4 apply(Float4 v) noexcept { return Simd::min(Simd::max(v, zero), one); }
};
struct WrapTop {
    static Float4 apply(Float4 v) noexcept {
        return Simd::select(Simd::less_equal(v, one), v, wrapped(v));
    }
};
struct WrapBottom {
    static Float4 apply(Float4 v) noexcept {
        return Simd::select(Simd::greater_equal(v, zero), v, wrapped(v));
    }
};
struct WrapBoth {
    static Float4 apply(Float4 v) noexcept {
        const Float4 inside =
            Simd::mask_and(Simd::greater_equal(v, zero), Simd::less_equal(v, one));
        return Simd::select(inside, v, wrapped(v));
    }
};

// The approximate exp2 of ApproximateMath, four lanes at a time. The exponent is pulled into
// -126..128 first so that the bit construction stays defined; the lanes outside get 0, infinity
// or their NaN afterwards, as the scalar form returns them.
Float4 approximate_exp2(Float4 a_exponent) noexcept {
    const Float4 y =
        Simd::min(Simd::max(a_exponent, Simd::set1(-126.0f)), Simd::set1(0x1.fffffep6f));
    const Float4 k = Simd::floor(y);
    const Float4 f = Simd::sub(y, k);
    // ((f + 4.7741494) f + 9.812954) / (9.812954 - 2.0194023 f)
    const Float4 numerator =
        Simd::add(Simd::mul(Simd::add(f, Simd::set1(4.7741494f)), f), Simd::set1(9.812954f));
    const Float4 denominator =
        Simd::sub(Simd::set1(9.812954f), Simd::mul(Simd::set1(2.0194023f), f));
    const Float4 pattern =
        Simd::mul(Simd::add(Simd::add(Simd::div(numerator, denominator), k), Simd::set1(126.0f)),
                  Simd::set1(8388608.0f));
    Float4 result = Simd::float_from_bits(Simd::truncate(pattern));
    result = Simd::select(Simd::less(a_exponent, Simd::set1(-126.0f)), zero, result);
    result = Simd::select(Simd::greater_equal(a_exponent, Simd::set1(128.0f)),
                          Simd::set1(std::numeric_limits<float>::infinity()), result);
    const Float4 is_number = Simd::less_equal(a_exponent, a_exponent);
    return Simd::select(is_number, result, a_exponent);
}

template <typename Bound>
void finish_identity(const float* a_normalized, const float*, const float*, const float*,
                     float* a_internal) noexcept {
    for (unsigned i = 0; i < block_size; i += 4)
        Simd::store(a_internal + i, Bound::apply(Simd::load(a_normalized + i)));
}

template <typename Bound>
void finish_linear(const float* a_normalized, const float* a_start, const float* a_span,
                   const float*, float* a_internal) noexcept {
    const Float4 start = Simd::load(a_start);
    const Float4 span = Simd::load(a_span);
    for (unsigned i = 0; i < block_size; i += 4) {
        const Float4 v = Bound::apply(Simd::load(a_normalized + i));
        Simd::store(a_internal + i, Simd::add(start, Simd::mul(v, span)));
    }
}

template <typename Bound>
void finish_exponential_approximate(const float* a_normalized, const float* a_start, const float*,
                                    const float* a_exponent_scale, float* a_internal) noexcept {
    const Float4 start = Simd::load(a_start);
    const Float4 scale = Simd::load(a_exponent_scale);
    for (unsigned i = 0; i < block_size; i += 4) {
        const Float4 v = Bound::apply(Simd::load(a_normalized + i));
        Simd::store(a_internal + i, Simd::mul(start, approximate_exp2(Simd::mul(v, scale))));
    }
}

// The library exponential has no four-wide form: the exponents are gathered first.
template <typename Bound>
void finish_exponential_exact(const float* a_normalized, const float* a_start, const float*,
                              const float* a_exponent_scale, float* a_internal) noexcept {
    const Float4 scale = Simd::load(a_exponent_scale);
    alignas(16) float exponents[block_size];
    for (unsigned i = 0; i < block_size; i += 4)
        Simd::store(exponents + i, Simd::mul(Bound::apply(Simd::load(a_normalized + i)), scale));
    for (unsigned i = 0; i < block_size; ++i)
        a_internal[i] = a_start[0] * std::exp2(exponents[i]);
}

template <typename Bound>
constexpr Finishing mappings[] = {
    finish_identity<Bound>,
    finish_linear<Bound>,
    finish_exponential_approximate<Bound>,
    finish_exponential_exact<Bound>,
};

// [bounding][mapping], the indices of ModulationKernels_Shared.h.
constexpr const Finishing* finishings[] = {
    mappings<Keep>,    mappings<ClampTop>,   mappings<ClampBottom>, mappings<ClampBoth>,
    mappings<WrapTop>, mappings<WrapBottom>, mappings<WrapBoth>,
};

} // namespace

Placement placement(ModificationType a_type) noexcept {
    const unsigned index = unsigned(a_type) - 1;
    return index < std::size(placements) ? placements[index] : nullptr;
}

void signal_forms(const float* a_output, float (*a_forms)[block_size]) noexcept {
    const Float4 half = Simd::set1(0.5f);
    for (unsigned i = 0; i < block_size; i += 4) {
        const Float4 x = Simd::load(a_output + i);
        Simd::store(a_forms[SignalForm_UPWARD] + i, x);
        Simd::store(a_forms[SignalForm_DOWNWARD] + i, Simd::sub(one, x));
        Simd::store(a_forms[SignalForm_CENTRED] + i, Simd::sub(x, half));
        Simd::store(a_forms[SignalForm_NEGATED] + i, Simd::sub(half, x));
    }
}

bool crossfade(const float* a_raw, const float* a_step, float a_held, float& a_weight, float* a_out,
               unsigned a_frames) noexcept {
    // The weights are a running sum, sequential by nature; the blend is not.
    alignas(16) float weights[block_size];
    const bool running = crossfade_weights(a_step, a_weight, weights, a_frames);
    const Float4 held = Simd::set1(a_held);
    for (unsigned i = 0; i < block_size; i += 4) {
        const Float4 w = Simd::load(weights + i);
        // raw·w + (1 - w)·h
        const Float4 mixed =
            Simd::add(Simd::mul(Simd::load(a_raw + i), w), Simd::mul(Simd::sub(one, w), held));
        Simd::store(a_out + i, mixed);
    }
    return running;
}

Finishing finishing(const FinishingChoice& a_choice) noexcept {
    const int bounding = finishing_bounding(a_choice);
    const int mapping = finishing_mapping(a_choice);
    if (bounding < 0 || mapping < 0)
        return nullptr;
    return finishings[bounding][mapping];
}

} // namespace Tonekit::ModulationKernels
