#pragma once
// The per-sample arithmetic of the LFO on blocks of 16 floats (16-byte aligned). Phases
// accumulate in double precision so that cycles of many minutes, slowed further by the frequency
// factor, stay locked to the sample count; everything after the accumulation is single-precision,
// four lanes at a time, with plain scalar twins for the tests.

namespace Tonekit {

// The values are the kernel numbers; only these six are offered.
enum LfoModulatorWaveform : unsigned {
    LfoModulatorWaveform_PULSE = 4,
    LfoModulatorWaveform_SAW = 9,
    LfoModulatorWaveform_SINE_LOW_PRECISION = 12,
    LfoModulatorWaveform_SINE_HIGH_PRECISION = 13,
    LfoModulatorWaveform_SQUARE = 14,
    LfoModulatorWaveform_TRIANGLE = 15,
};

} // namespace Tonekit

namespace Tonekit::LfoKernels {

inline constexpr unsigned block_size = 16;

// ph[i] = the running phase before sample i; the running phase then advances by
// a_factor[i] x a_base_increment (in double) and wraps from 1 to 0. Lanes from a_frames on are
// left as they are. A step of a whole cycle or more is wrapped by its fractional part, and a phase
// that is not a number (a broken increment) restarts at 0, so the running phase stays in 0..1.
void accumulate_phase(double& a_phase, const float* a_factor, double a_base_increment,
                      unsigned a_frames, float* a_phases) noexcept;
// out[i] = frac(a_phases[i] + a_offsets[i]), all 16 lanes (offsets per sample, 0..1).
void offset_phases(const float* a_phases, const float* a_offsets, float* a_out) noexcept;
void offset_phases_scalar(const float* a_phases, const float* a_offsets, float* a_out) noexcept;
// out[i] = frac(a_phases[i] + a_offset) (one offset for the block, 0..1).
void shift_phases(const float* a_phases, float a_offset, float* a_out) noexcept;
void shift_phases_scalar(const float* a_phases, float a_offset, float* a_out) noexcept;

// q in 0..1 to a signal in 0..1; a_pwm is the pulse width per sample (read by Pulse only; the
// others accept a null a_pwm).
using Waveform = void (*)(const float* a_q, const float* a_pwm, float* a_out) noexcept;
// Null for a value that is not one of the six.
Waveform waveform(LfoModulatorWaveform a_waveform) noexcept;
// The signals of a_count phase groups from one set of phases, in one call:
// a_out[g][i] = waveform(frac(a_phases[i] + a_offsets[g][i])), or waveform(a_phases[i]) for a
// null a_offsets[g]; offset_phases and the waveform in one pass.
using GroupWaveform = void (*)(const float* a_phases, const float* const* a_offsets,
                               const float* a_pwm, float* const* a_out, unsigned a_count) noexcept;
GroupWaveform group_waveform(LfoModulatorWaveform a_waveform) noexcept;
Waveform waveform_scalar(LfoModulatorWaveform a_waveform) noexcept;
bool is_discontinuous(LfoModulatorWaveform a_waveform) noexcept;

} // namespace Tonekit::LfoKernels
