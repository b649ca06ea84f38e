#pragma once
// The LFO's four-wide kernels written once over the vector type: four lanes in LfoKernels.cpp (the
// baseline) and eight in LfoKernels_Avx2.cpp, the same operations per lane and so the same bits.
// Each waveform evaluates its formula in the same order as its scalar twin in
// LfoKernels_Scalar.cpp.

#include "tonekit/Modulation/LfoKernels.h"

#include "orvo/Simd.h"

namespace Tonekit::LfoKernels::wide {

namespace Simd = Orvo::Simd;

// v - floor(v); the phases and offsets are in 0..1, so no lane needs more.
template <typename V>
V fraction(V a_value) noexcept {
    return Simd::sub(a_value, Simd::floor(a_value));
}

// x = 2q - 1
template <typename V>
V centred(V a_q) noexcept {
    return Simd::sub(Simd::mul(Simd::set1_as<V>(2.0f), a_q), Simd::set1_as<V>(1.0f));
}

// 1 when q < w, else 0
struct Pulse {
    template <typename V>
    static V apply(V a_q, V a_pwm) noexcept {
        return Simd::mask_and(Simd::less(a_q, a_pwm), Simd::set1_as<V>(1.0f));
    }
};
struct Saw {
    template <typename V>
    static V apply(V a_q, V) noexcept {
        return a_q;
    }
};
struct Square {
    template <typename V>
    static V apply(V a_q, V) noexcept {
        return Simd::mask_and(Simd::less(a_q, Simd::set1_as<V>(0.5f)), Simd::set1_as<V>(1.0f));
    }
};
// | |2q - 0.5| - 1 |
struct Triangle {
    template <typename V>
    static V apply(V a_q, V) noexcept {
        const V rising =
            Simd::abs(Simd::sub(Simd::mul(Simd::set1_as<V>(2.0f), a_q), Simd::set1_as<V>(0.5f)));
        return Simd::abs(Simd::sub(rising, Simd::set1_as<V>(1.0f)));
    }
};
// 0.5 + 2x (|x| - 1)
struct SineLowPrecision {
    template <typename V>
    static V apply(V a_q, V) noexcept {
        const V x = centred(a_q);
        const V parabola = Simd::mul(Simd::mul(Simd::set1_as<V>(2.0f), x),
                                     Simd::sub(Simd::abs(x), Simd::set1_as<V>(1.0f)));
        return Simd::add(Simd::set1_as<V>(0.5f), parabola);
    }
};
// y = -4x (|x| - 1); y' = y + 0.2248391 (y |y| - y); 0.5 - 0.5 y'
struct SineHighPrecision {
    template <typename V>
    static V apply(V a_q, V) noexcept {
        const V x = centred(a_q);
        const V y = Simd::mul(Simd::mul(Simd::set1_as<V>(-4.0f), x),
                              Simd::sub(Simd::abs(x), Simd::set1_as<V>(1.0f)));
        const V correction = Simd::sub(Simd::mul(y, Simd::abs(y)), y);
        const V refined = Simd::add(y, Simd::mul(Simd::set1_as<V>(0.2248391f), correction));
        return Simd::sub(Simd::set1_as<V>(0.5f), Simd::mul(Simd::set1_as<V>(0.5f), refined));
    }
};

template <typename V, typename Shape>
void shape(const float* a_q, const float* a_pwm, float* a_out) noexcept {
    for (unsigned i = 0; i < block_size; i += Simd::width<V>) {
        // Only the pulse reads the width; the others may be given none.
        const V pwm = a_pwm ? Simd::load_as<V>(a_pwm + i) : Simd::set1_as<V>(0.0f);
        Simd::store(a_out + i, Shape::apply(Simd::load_as<V>(a_q + i), pwm));
    }
}

// offset_phases and the waveform in one pass, nothing stored in between; the phases, widths and
// constants are loaded once for all the groups.
template <typename V, typename Shape>
void group_shape(const float* a_phases, const float* const* a_offsets, const float* a_pwm,
                 float* const* a_out, unsigned a_count) noexcept {
    constexpr unsigned width = Simd::width<V>;
    constexpr unsigned vectors = block_size / width;
    V phases[vectors];
    V pwm[vectors];
    for (unsigned v = 0; v < vectors; ++v) {
        phases[v] = Simd::load_as<V>(a_phases + v * width);
        pwm[v] = a_pwm ? Simd::load_as<V>(a_pwm + v * width) : Simd::set1_as<V>(0.0f);
    }
    for (unsigned g = 0; g < a_count; ++g) {
        const float* offset = a_offsets[g];
        float* out = a_out[g];
        for (unsigned v = 0; v < vectors; ++v) {
            const V q = offset
                            ? fraction(Simd::add(phases[v], Simd::load_as<V>(offset + v * width)))
                            : phases[v];
            Simd::store(out + v * width, Shape::apply(q, pwm[v]));
        }
    }
}

template <typename V>
void offset_phases(const float* a_phases, const float* a_offsets, float* a_out) noexcept {
    for (unsigned i = 0; i < block_size; i += Simd::width<V>)
        Simd::store(a_out + i, fraction(Simd::add(Simd::load_as<V>(a_phases + i),
                                                  Simd::load_as<V>(a_offsets + i))));
}

// In waveform_order.
template <unsigned W>
inline constexpr Waveform waveforms[6] = {
    shape<Simd::Vector<W>, Pulse>,
    shape<Simd::Vector<W>, Saw>,
    shape<Simd::Vector<W>, SineLowPrecision>,
    shape<Simd::Vector<W>, SineHighPrecision>,
    shape<Simd::Vector<W>, Square>,
    shape<Simd::Vector<W>, Triangle>,
};
template <unsigned W>
inline constexpr GroupWaveform group_waveforms[6] = {
    group_shape<Simd::Vector<W>, Pulse>,
    group_shape<Simd::Vector<W>, Saw>,
    group_shape<Simd::Vector<W>, SineLowPrecision>,
    group_shape<Simd::Vector<W>, SineHighPrecision>,
    group_shape<Simd::Vector<W>, Square>,
    group_shape<Simd::Vector<W>, Triangle>,
};

} // namespace Tonekit::LfoKernels::wide
