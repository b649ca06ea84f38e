#pragma once
// The per-sample arithmetic of modulation, on blocks of 16 floats (16-byte aligned) four lanes at
// a time. Every kernel computes all 16 lanes; lanes past a chunk's frame count are ignored by the
// caller. Each SSE kernel has a plain scalar twin with the same results, used by the tests.

#include "tonekit/Modulation/ModificationType.h"
#include "tonekit/Modulation/Modulatee.h"
#include "tonekit/ParameterTypes/ConversionType.h"

namespace Tonekit::ModulationKernels {

inline constexpr unsigned block_size = 16;

// --- placement
// ------------------------------------------------------------------------------------ a_value: the
// target's normalized value so far (P); a_range: the entry's Range (G); a_amount: the modulator's
// Amount (S); a_signal: the chosen signal form (K). a_result may be a_value.
using Placement = void (*)(const float* a_value, const float* a_range, const float* a_amount,
                           const float* a_signal, float* a_result) noexcept;
Placement placement(ModificationType a_type) noexcept;
Placement placement_scalar(ModificationType a_type) noexcept;

// Which sides of 0..1 a mode guarantees (clip modes) or may leave (plain modes); the others
// change nothing in the routing's bounds bookkeeping.
struct PlacementBounds {
    bool m_keeps_top = false;
    bool m_keeps_bottom = false;
    bool m_opens_top = false;
    bool m_opens_bottom = false;
};
PlacementBounds placement_bounds(ModificationType a_type) noexcept;

// --- signal forms
// ---------------------------------------------------------------------------------
enum SignalForm : unsigned {
    SignalForm_UPWARD = 0,   // x
    SignalForm_DOWNWARD = 1, // 1 - x
    SignalForm_CENTRED = 2,  // x - 0.5
    SignalForm_NEGATED = 3,  // 0.5 - x
    SignalForm_COUNT = 4,
};
void signal_forms(const float* a_output, float (*a_forms)[block_size]) noexcept;
void signal_forms_scalar(const float* a_output, float (*a_forms)[block_size]) noexcept;

// --- smoothing of a lane's raw signal
// ------------------------------------------------------------- Slew limiting: out[0] = raw[0]
// limited to a_last +- step[0], out[i] = raw[i] limited to out[i-1] +- step[i]. Sequential by
// nature; one form only.
void slew_limit(const float* a_raw, const float* a_step, float a_last, float* a_out,
                unsigned a_frames) noexcept;
// Restart crossfade: out[i] = raw[i] w[i] + (1 - w[i]) a_held, the weight rising by step[i] each
// sample from a_weight (updated) and capped at 1. Returns true while the crossfade still runs
// (the weight is below 1 after a_frames samples).
// Sample i is mixed with the weight before its step, so the first sample of a restart is the held
// value itself. Once the weight reaches 1, inside a chunk or at its start, every later sample is
// exactly the raw signal. A NaN weight or step counts as 1 (the crossfade ends). All 16 lanes are
// written; lanes from a_frames on repeat the last weight without advancing it.
bool crossfade(const float* a_raw, const float* a_step, float a_held, float& a_weight, float* a_out,
               unsigned a_frames) noexcept;
bool crossfade_scalar(const float* a_raw, const float* a_step, float a_held, float& a_weight,
                      float* a_out, unsigned a_frames) noexcept;

// --- finishing: the chained result (normalized, possibly outside 0..1) to the internal value ----
// What happens to a value outside 0..1: the target's variation decides the behaviour, the routing
// (which sides its entries keep or open) decides the sides it applies to. Clamp takes an open side
// to its bound; wrap takes a value beyond an open side to v - floor(v) (0 and 1 themselves are
// inside and stay). With no open side nothing is done. A NaN, which no placement produces from
// finite inputs, is not allowed past an open side: clamp makes it 0 when the bottom is open and
// 1 when only the top is, wrap makes it (and an infinity it wraps) 0.
enum OutOfRange : unsigned {
    OutOfRange_PASS = 0,
    OutOfRange_CLAMP = 1,
    OutOfRange_WRAP = 2,
};
struct FinishingChoice {
    ModulationMapping m_mapping = ModulationMapping_IDENTITY;
    OutOfRange m_out_of_range = OutOfRange_CLAMP;
    bool m_top_open = false;
    bool m_bottom_open = false;
    ExponentialPrecision m_precision = ExponentialPrecision_APPROXIMATE;
};
// a_start, a_span, a_exponent_scale: four lanes each holding the same value (the float
// parameter's modulation constants). internal = bounded (identity), start + bounded x span
// (linear), start x 2^(bounded x exponent scale) (exponential).
using Finishing = void (*)(const float* a_normalized, const float* a_start, const float* a_span,
                           const float* a_exponent_scale, float* a_internal) noexcept;
// Null for a mapping, behaviour or precision outside its enumeration. The precision matters for
// the exponential mapping only: exact uses std::exp2, approximate the formula of ApproximateMath.
Finishing finishing(const FinishingChoice& a_choice) noexcept;
Finishing finishing_scalar(const FinishingChoice& a_choice) noexcept;

} // namespace Tonekit::ModulationKernels
