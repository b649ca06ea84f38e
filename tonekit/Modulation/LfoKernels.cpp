// The phase accumulation, the four-wide LFO kernels (LfoKernels_Wide.h at four lanes) and the
// choice between them and the eight-lane forms of LfoKernels_Avx2.cpp.

#include "tonekit/Modulation/LfoKernels.h"
#include "tonekit/Modulation/LfoKernels_Shared.h"
#include "tonekit/Modulation/LfoKernels_Wide.h"

#include "orvo/Simd.h"
#include "orvo/SimdLevel.h"

#include <cmath>

namespace Tonekit::LfoKernels {

namespace {

using Orvo::Simd::Float4;

// Only reached when an increment of a whole cycle or more, or a broken one, left the phase
// outside 0..1 after the regular wrap.
double p_rewrap(double a_phase) noexcept {
    if (!std::isfinite(a_phase))
        return 0.0;
    const double wrapped = a_phase - std::floor(a_phase);
    return wrapped < 1.0 ? wrapped : 0.0;
}

bool wide_forms() noexcept {
    return Orvo::Simd::level() == Orvo::Simd::Level_AVX2;
}

// Whether the 16 factors are equal: they then give one and the same increment.
bool p_steady(const float* a_factor) noexcept {
    namespace Simd = Orvo::Simd;
    const Float4 first = Simd::set1(a_factor[0]);
    Float4 equal = Simd::less_equal(first, first);
    for (unsigned i = 0; i < block_size; i += 4)
        equal = Simd::mask_and(equal, Simd::equal_to(Simd::load(a_factor + i), first));
    return Simd::all(Simd::bits_of(equal));
}

// ph[i] = the running phase; the phase then advances by the sample's increment and wraps. With
// Steady the increment is the first sample's for all: one product instead of one per sample, and
// the same sums.
template <bool Steady>
double p_accumulate(double a_phase, const float* a_factor, double a_base_increment,
                    unsigned a_frames, float* a_phases) noexcept {
    const double steady_increment = double(a_factor[0]) * a_base_increment;
    for (unsigned i = 0; i < a_frames; ++i) {
        a_phases[i] = float(a_phase);
        a_phase += Steady ? steady_increment : double(a_factor[i]) * a_base_increment;
        if (a_phase >= 1.0)
            a_phase -= 1.0;
        if (!(a_phase >= 0.0 && a_phase < 1.0))
            a_phase = p_rewrap(a_phase);
    }
    return a_phase;
}

// A steady increment in 0..1 from a phase in 0..1: the sum stays at or below 2 - 2^-52 (the
// largest double below 2 is the sum of the largest ones below 1), and taking 1 from a sum in 1..2
// is exact, so one wrap keeps the phase in 0..1 and the check after it never fires.
double p_accumulate_in_range(double a_phase, double a_increment, unsigned a_frames,
                             float* a_phases) noexcept {
    for (unsigned i = 0; i < a_frames; ++i) {
        a_phases[i] = float(a_phase);
        a_phase += a_increment;
        if (a_phase >= 1.0)
            a_phase -= 1.0;
    }
    return a_phase;
}

} // namespace

void accumulate_phase(double& a_phase, const float* a_factor, double a_base_increment,
                      unsigned a_frames, float* a_phases) noexcept {
    const unsigned frames = a_frames < block_size ? a_frames : block_size;
    // A factor that holds still over the chunk is the usual case.
    if (!p_steady(a_factor)) {
        a_phase = p_accumulate<false>(a_phase, a_factor, a_base_increment, frames, a_phases);
        return;
    }
    const double increment = double(a_factor[0]) * a_base_increment;
    a_phase = increment >= 0.0 && increment < 1.0 && a_phase >= 0.0 && a_phase < 1.0
                  ? p_accumulate_in_range(a_phase, increment, frames, a_phases)
                  : p_accumulate<true>(a_phase, a_factor, a_base_increment, frames, a_phases);
}

void offset_phases(const float* a_phases, const float* a_offsets, float* a_out) noexcept {
    if (wide_forms())
        avx2::offset_phases(a_phases, a_offsets, a_out);
    else
        wide::offset_phases<Float4>(a_phases, a_offsets, a_out);
}

void shift_phases(const float* a_phases, float a_offset, float* a_out) noexcept {
    const Float4 offset = Orvo::Simd::set1(a_offset);
    for (unsigned i = 0; i < block_size; i += 4)
        Orvo::Simd::store(a_out + i,
                          wide::fraction(Orvo::Simd::add(Orvo::Simd::load(a_phases + i), offset)));
}

Waveform waveform(LfoModulatorWaveform a_waveform) noexcept {
    return pick_waveform(wide_forms() ? avx2::waveforms : wide::waveforms<4>, a_waveform);
}

GroupWaveform group_waveform(LfoModulatorWaveform a_waveform) noexcept {
    return pick_waveform(wide_forms() ? avx2::group_waveforms : wide::group_waveforms<4>,
                         a_waveform);
}

bool is_discontinuous(LfoModulatorWaveform a_waveform) noexcept {
    return a_waveform == LfoModulatorWaveform_PULSE || a_waveform == LfoModulatorWaveform_SAW ||
           a_waveform == LfoModulatorWaveform_SQUARE;
}

} // namespace Tonekit::LfoKernels
