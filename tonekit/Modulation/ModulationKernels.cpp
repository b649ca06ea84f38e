// The four-wide kernels (ModulationKernels_Wide.h at four lanes) and the choice between them and
// the eight-lane forms of ModulationKernels_Avx2.cpp, made when a kernel is chosen.

#include "tonekit/Modulation/ModulationKernels.h"

#include "tonekit/Modulation/ModulationKernels_Shared.h"

#include "tonekit/Modulation/ModulationKernels_Wide.h"

#include "orvo/Simd.h"
#include "orvo/SimdLevel.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace Tonekit::ModulationKernels {

namespace {

namespace Simd = Orvo::Simd;
using Simd::Float4;

bool wide_forms() noexcept {
    return Simd::level() == Simd::Level_AVX2;
}

} // namespace

Placement placement(ModificationType a_type) noexcept {
    const unsigned index = unsigned(a_type) - 1;
    if (index >= std::size(wide::placements<4>))
        return nullptr;
    return wide_forms() ? avx2::placements[index] : wide::placements<4>[index];
}

void signal_forms(const float* a_output, float (*a_forms)[block_size]) noexcept {
    if (wide_forms())
        avx2::signal_forms(a_output, a_forms);
    else
        wide::signal_forms<Float4>(a_output, a_forms);
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
        const Float4 mixed = Simd::add(Simd::mul(Simd::load(a_raw + i), w),
                                       Simd::mul(Simd::sub(Simd::set1(1.0f), w), held));
        Simd::store(a_out + i, mixed);
    }
    return running;
}

Finishing finishing(const FinishingChoice& a_choice) noexcept {
    const int bounding = finishing_bounding(a_choice);
    const int mapping = finishing_mapping(a_choice);
    if (bounding < 0 || mapping < 0)
        return nullptr;
    return wide_forms() ? avx2::finishings[bounding][mapping]
                        : wide::finishings<4>[bounding][mapping];
}

} // namespace Tonekit::ModulationKernels
