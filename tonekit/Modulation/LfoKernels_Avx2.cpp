// The eight-lane forms of the LFO kernels; only this unit (and ModulationKernels_Avx2.cpp) is
// compiled for AVX2. LfoKernels.cpp chooses these when the processor has it.

#include "tonekit/Modulation/LfoKernels_Shared.h"
#include "tonekit/Modulation/LfoKernels_Wide.h"

namespace Tonekit::LfoKernels {

const Waveform avx2::waveforms[6] = {
    wide::waveforms<8>[0], wide::waveforms<8>[1], wide::waveforms<8>[2],
    wide::waveforms<8>[3], wide::waveforms<8>[4], wide::waveforms<8>[5],
};

const GroupWaveform avx2::group_waveforms[6] = {
    wide::group_waveforms<8>[0], wide::group_waveforms<8>[1], wide::group_waveforms<8>[2],
    wide::group_waveforms<8>[3], wide::group_waveforms<8>[4], wide::group_waveforms<8>[5],
};

void avx2::offset_phases(const float* a_phases, const float* a_offsets, float* a_out) noexcept {
    wide::offset_phases<Orvo::Simd::Float8>(a_phases, a_offsets, a_out);
}

} // namespace Tonekit::LfoKernels
