#pragma once
// What the four-wide kernels and their scalar twins share: the sequential part of the crossfade
// and the layout of the finishing-kernel table.

#include "tonekit/Modulation/ModulationKernels.h"

namespace Tonekit::ModulationKernels {

// The crossfade weight of each of the 16 lanes: lane i < a_frames gets the weight before its
// step, which is then added and capped at 1; later lanes repeat the last weight. Returns whether
// the weight is still below 1 (a NaN weight or step ends the crossfade).
bool crossfade_weights(const float* a_step, float& a_weight, float* a_weights,
                       unsigned a_frames) noexcept;

// The finishing table is [bounding][mapping].
// Bounding: 0 keep (pass, or no open side); 1, 2, 3 clamp top, bottom, both; 4, 5, 6 wrap top,
// bottom, both. Mapping: 0 identity, 1 linear, 2 exponential approximate, 3 exponential exact.
// Both give -1 for a value outside their enumeration.
int finishing_bounding(const FinishingChoice& a_choice) noexcept;
int finishing_mapping(const FinishingChoice& a_choice) noexcept;

// The eight-lane forms (ModulationKernels_Avx2.cpp, compiled for AVX2), laid out like the
// four-lane tables.
namespace avx2 {
extern const Placement placements[16];
extern const Finishing* const finishings[7];
void signal_forms(const float* a_output, float (*a_forms)[block_size]) noexcept;
} // namespace avx2

} // namespace Tonekit::ModulationKernels
