#pragma once
// Shared by the vector and the scalar kernels: the order of their waveform tables.

#include "tonekit/Modulation/LfoKernels.h"

#include <iterator>

namespace Tonekit::LfoKernels {

// The six offered waveforms, in table order.
inline constexpr LfoModulatorWaveform waveform_order[] = {
    LfoModulatorWaveform_PULSE,
    LfoModulatorWaveform_SAW,
    LfoModulatorWaveform_SINE_LOW_PRECISION,
    LfoModulatorWaveform_SINE_HIGH_PRECISION,
    LfoModulatorWaveform_SQUARE,
    LfoModulatorWaveform_TRIANGLE,
};

// The entry of a_waveform in a table laid out in waveform_order; null for any other value.
template <typename Entry, unsigned N>
Entry pick_waveform(const Entry (&a_table)[N], LfoModulatorWaveform a_waveform) noexcept {
    static_assert(N == std::size(waveform_order));
    for (unsigned i = 0; i < N; ++i)
        if (waveform_order[i] == a_waveform)
            return a_table[i];
    return nullptr;
}

// The eight-lane forms (LfoKernels_Avx2.cpp, compiled for AVX2), in waveform_order.
namespace avx2 {
extern const Waveform waveforms[6];
extern const GroupWaveform group_waveforms[6];
void offset_phases(const float* a_phases, const float* a_offsets, float* a_out) noexcept;
} // namespace avx2

} // namespace Tonekit::LfoKernels
