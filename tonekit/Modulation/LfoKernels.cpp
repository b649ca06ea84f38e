// The four-wide LFO kernels and the phase accumulation. Each waveform evaluates its formula in the
// same order as its scalar twin in LfoKernels_Scalar.cpp, so both give the same bits.

#include "tonekit/Modulation/LfoKernels.h"
#include "tonekit/Modulation/LfoKernels_Shared.h"

#include "orvo/Simd.h"

#include <cmath>

namespace Tonekit::LfoKernels {

namespace {

namespace Simd = Orvo::Simd;
using Simd::Float4;

// Only reached when an increment of a whole cycle or more, or a broken one, left the phase
// outside 0..1 after the regular wrap.
double p_rewrap(double a_phase) noexcept {
    if (!std::isfinite(a_phase))
        return 0.0;
    const double wrapped = a_phase - std::floor(a_phase);
    return wrapped < 1.0 ? wrapped : 0.0;
}

// v - floor(v); the phases and offsets are in 0..1, so no lane needs more.
Float4 fraction(Float4 a_value) noexcept {
    return Simd::sub(a_value, Simd::floor(a_value));
}

template <Float4 (*Shape)(Float4, Float4)>
void shape(const float* a_q, const float* a_pwm, float* a_out) noexcept {
    for (unsigned i = 0; i < block_size; i += 4) {
        // Only the pulse reads the width; the others may be given none.
        const Float4 pwm = a_pwm ? Simd::load(a_pwm + i) : Simd::set1(0.0f);
        Simd::store(a_out + i, Shape(Simd::load(a_q + i), pwm));
    }
}

// x = 2q - 1
Float4 centred(Float4 a_q) noexcept {
    return Simd::sub(Simd::mul(Simd::set1(2.0f), a_q), Simd::set1(1.0f));
}

// 1 when q < w, else 0
Float4 pulse(Float4 a_q, Float4 a_pwm) noexcept {
    return Simd::mask_and(Simd::less(a_q, a_pwm), Simd::set1(1.0f));
}
Float4 saw(Float4 a_q, Float4) noexcept {
    return a_q;
}
Float4 square(Float4 a_q, Float4) noexcept {
    return Simd::mask_and(Simd::less(a_q, Simd::set1(0.5f)), Simd::set1(1.0f));
}
// | |2q - 0.5| - 1 |
Float4 triangle(Float4 a_q, Float4) noexcept {
    const Float4 rising = Simd::abs(Simd::sub(Simd::mul(Simd::set1(2.0f), a_q), Simd::set1(0.5f)));
    return Simd::abs(Simd::sub(rising, Simd::set1(1.0f)));
}
// 0.5 + 2x (|x| - 1)
Float4 sine_low_precision(Float4 a_q, Float4) noexcept {
    const Float4 x = centred(a_q);
    const Float4 parabola =
        Simd::mul(Simd::mul(Simd::set1(2.0f), x), Simd::sub(Simd::abs(x), Simd::set1(1.0f)));
    return Simd::add(Simd::set1(0.5f), parabola);
}
// y = -4x (|x| - 1); y' = y + 0.2248391 (y |y| - y); 0.5 - 0.5 y'
Float4 sine_high_precision(Float4 a_q, Float4) noexcept {
    const Float4 x = centred(a_q);
    const Float4 y =
        Simd::mul(Simd::mul(Simd::set1(-4.0f), x), Simd::sub(Simd::abs(x), Simd::set1(1.0f)));
    const Float4 correction = Simd::sub(Simd::mul(y, Simd::abs(y)), y);
    const Float4 refined = Simd::add(y, Simd::mul(Simd::set1(0.2248391f), correction));
    return Simd::sub(Simd::set1(0.5f), Simd::mul(Simd::set1(0.5f), refined));
}

} // namespace

void accumulate_phase(double& a_phase, const float* a_factor, double a_base_increment,
                      unsigned a_frames, float* a_phases) noexcept {
    double phase = a_phase;
    for (unsigned i = 0; i < a_frames && i < block_size; ++i) {
        a_phases[i] = float(phase);
        phase += double(a_factor[i]) * a_base_increment;
        if (phase >= 1.0)
            phase -= 1.0;
        if (!(phase >= 0.0 && phase < 1.0))
            phase = p_rewrap(phase);
    }
    a_phase = phase;
}

void offset_phases(const float* a_phases, const float* a_offsets, float* a_out) noexcept {
    for (unsigned i = 0; i < block_size; i += 4)
        Simd::store(a_out + i,
                    fraction(Simd::add(Simd::load(a_phases + i), Simd::load(a_offsets + i))));
}

void shift_phases(const float* a_phases, float a_offset, float* a_out) noexcept {
    const Float4 offset = Simd::set1(a_offset);
    for (unsigned i = 0; i < block_size; i += 4)
        Simd::store(a_out + i, fraction(Simd::add(Simd::load(a_phases + i), offset)));
}

Waveform waveform(LfoModulatorWaveform a_waveform) noexcept {
    static constexpr Waveform table[] = {
        shape<pulse>,  shape<saw>,      shape<sine_low_precision>, shape<sine_high_precision>,
        shape<square>, shape<triangle>,
    };
    return pick_waveform(table, a_waveform);
}

bool is_discontinuous(LfoModulatorWaveform a_waveform) noexcept {
    return a_waveform == LfoModulatorWaveform_PULSE || a_waveform == LfoModulatorWaveform_SAW ||
           a_waveform == LfoModulatorWaveform_SQUARE;
}

} // namespace Tonekit::LfoKernels
