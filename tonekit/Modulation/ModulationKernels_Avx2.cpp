// The eight-lane forms of the modulation kernels. Only this unit (and LfoKernels_Avx2.cpp) is
// compiled for AVX2; ModulationKernels.cpp chooses these when the processor has it.

#include "tonekit/Modulation/ModulationKernels_Shared.h"
#include "tonekit/Modulation/ModulationKernels_Wide.h"

namespace Tonekit::ModulationKernels {

using Orvo::Simd::Float8;

const Placement avx2::placements[16] = {
    wide::placements<8>[0],  wide::placements<8>[1],  wide::placements<8>[2],
    wide::placements<8>[3],  wide::placements<8>[4],  wide::placements<8>[5],
    wide::placements<8>[6],  wide::placements<8>[7],  wide::placements<8>[8],
    wide::placements<8>[9],  wide::placements<8>[10], wide::placements<8>[11],
    wide::placements<8>[12], wide::placements<8>[13], wide::placements<8>[14],
    wide::placements<8>[15],
};

const Finishing* const avx2::finishings[7] = {
    wide::finishings<8>[0], wide::finishings<8>[1], wide::finishings<8>[2], wide::finishings<8>[3],
    wide::finishings<8>[4], wide::finishings<8>[5], wide::finishings<8>[6],
};

void avx2::signal_forms(const float* a_output, float (*a_forms)[block_size]) noexcept {
    wide::signal_forms<Float8>(a_output, a_forms);
}

} // namespace Tonekit::ModulationKernels
