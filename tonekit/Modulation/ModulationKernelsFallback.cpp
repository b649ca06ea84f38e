// Plain scalar forms of the modulation kernels, standing in for the vector ones until those are
// merged: every entry point of ModulationKernels.h, vector names included, computes with these.
// Remove this file from the build when ModulationKernels.cpp arrives.

#include "tonekit/Modulation/ModulationKernels.h"

#include "tonekit/Parameters/ApproximateMath.h"

#include <algorithm>
#include <cmath>

namespace Tonekit::ModulationKernels {
namespace {

constexpr unsigned n = block_size;

template <class Formula>
void p_each(const float* a_p, const float* a_g, const float* a_s, const float* a_k, float* a_out,
            Formula a_formula) noexcept {
    for (unsigned i = 0; i < n; ++i)
        a_out[i] = a_formula(a_p[i], a_g[i], a_s[i], a_k[i]);
}

#define TONEKIT_PLACEMENT(name, expression)                                                        \
    void name(const float* a_p, const float* a_g, const float* a_s, const float* a_k,              \
              float* a_out) noexcept {                                                             \
        p_each(a_p, a_g, a_s, a_k, a_out,                                                          \
               [](float P, float G, float S, float K) noexcept { return expression; });            \
    }

TONEKIT_PLACEMENT(p_above, P + G * S * K)
TONEKIT_PLACEMENT(p_above_clip, std::min(P + G * S * K, 1.0f))
TONEKIT_PLACEMENT(p_above_restrict, P + std::min(1.0f - P, G* S) * K)
TONEKIT_PLACEMENT(p_above_scale, P + (1.0f - P) * G * S * K)
TONEKIT_PLACEMENT(p_around_clip, std::min(std::max(P + G * S * K, 0.0f), 1.0f))
TONEKIT_PLACEMENT(p_around_restrict, P + std::min(std::min(2.0f * P, 2.0f - 2.0f * P), G* S) * K)
TONEKIT_PLACEMENT(p_around_scale, P + std::min(2.0f * P, 2.0f - 2.0f * P) * G * S * K)
TONEKIT_PLACEMENT(p_asymmetric_restrict, P + std::min(K > 0.0f ? 1.0f - P : P, G* S) * 2.0f * K)
TONEKIT_PLACEMENT(p_asymmetric_scale, P + (K > 0.0f ? 1.0f - P : P) * G * S * 2.0f * K)
TONEKIT_PLACEMENT(p_below, P - G * S * K)
TONEKIT_PLACEMENT(p_below_clip, std::max(P - G * S * K, 0.0f))
TONEKIT_PLACEMENT(p_below_restrict, P - std::min(G * S, P) * K)
TONEKIT_PLACEMENT(p_below_scale, P - G * S * K * P)
TONEKIT_PLACEMENT(p_between_range_parameter, G + (P - G) * K * S)
TONEKIT_PLACEMENT(p_between_parameter_range, P + (G - P) * K * S)

#undef TONEKIT_PLACEMENT

template <ModulationMapping mapping, bool exact>
void p_finish(const float* a_normalized, const float* a_start, const float* a_span,
              const float* a_scale, float* a_internal, OutOfRange a_out_of_range, bool a_top,
              bool a_bottom) noexcept {
    for (unsigned i = 0; i < n; ++i) {
        float v = a_normalized[i];
        if (a_out_of_range == OutOfRange_CLAMP) {
            if (a_top)
                v = std::min(v, 1.0f);
            if (a_bottom)
                v = std::max(v, 0.0f);
        } else if (a_out_of_range == OutOfRange_WRAP) {
            if ((a_top && v > 1.0f) || (a_bottom && v < 0.0f))
                v -= std::floor(v);
        }
        if constexpr (mapping == ModulationMapping_IDENTITY)
            a_internal[i] = v;
        else if constexpr (mapping == ModulationMapping_LINEAR)
            a_internal[i] = a_start[i % 4] + v * a_span[i % 4];
        else if constexpr (exact)
            a_internal[i] = a_start[i % 4] * std::exp2(v * a_scale[i % 4]);
        else
            a_internal[i] = a_start[i % 4] * approximate_exp2(v * a_scale[i % 4]);
    }
}

// One function per combination, so that the processing calls a plain pointer.
template <ModulationMapping mapping, bool exact, OutOfRange range, bool top, bool bottom>
void p_finishing(const float* a_normalized, const float* a_start, const float* a_span,
                 const float* a_scale, float* a_internal) noexcept {
    p_finish<mapping, exact>(a_normalized, a_start, a_span, a_scale, a_internal, range, top,
                             bottom);
}

template <ModulationMapping mapping, bool exact, OutOfRange range>
Finishing p_by_sides(bool a_top, bool a_bottom) noexcept {
    if (a_top)
        return a_bottom ? p_finishing<mapping, exact, range, true, true>
                        : p_finishing<mapping, exact, range, true, false>;
    return a_bottom ? p_finishing<mapping, exact, range, false, true>
                    : p_finishing<mapping, exact, range, false, false>;
}

template <ModulationMapping mapping, bool exact>
Finishing p_by_range(const FinishingChoice& a_choice) noexcept {
    switch (a_choice.m_out_of_range) {
    case OutOfRange_PASS:
        return p_by_sides<mapping, exact, OutOfRange_PASS>(false, false);
    case OutOfRange_WRAP:
        return p_by_sides<mapping, exact, OutOfRange_WRAP>(a_choice.m_top_open,
                                                           a_choice.m_bottom_open);
    default:
        return p_by_sides<mapping, exact, OutOfRange_CLAMP>(a_choice.m_top_open,
                                                            a_choice.m_bottom_open);
    }
}

} // namespace

Placement placement_scalar(ModificationType a_type) noexcept {
    switch (a_type) {
    case ModificationType_ABOVE:
    case ModificationType_AROUND:
        return p_above;
    case ModificationType_ABOVE_CLIP_TOP:
        return p_above_clip;
    case ModificationType_ABOVE_RESTRICT_TOP:
        return p_above_restrict;
    case ModificationType_ABOVE_SCALE_TOP:
        return p_above_scale;
    case ModificationType_AROUND_CLIP:
        return p_around_clip;
    case ModificationType_AROUND_RESTRICT:
        return p_around_restrict;
    case ModificationType_AROUND_SCALE:
        return p_around_scale;
    case ModificationType_ASYMMETRIC_RESTRICT:
        return p_asymmetric_restrict;
    case ModificationType_ASYMMETRIC_SCALE:
        return p_asymmetric_scale;
    case ModificationType_BELOW:
        return p_below;
    case ModificationType_BELOW_CLIP_BOTTOM:
        return p_below_clip;
    case ModificationType_BELOW_RESTRICT_BOTTOM:
        return p_below_restrict;
    case ModificationType_BELOW_SCALE_BOTTOM:
        return p_below_scale;
    case ModificationType_BETWEEN_RANGE_AND_PARAMETER:
        return p_between_range_parameter;
    case ModificationType_BETWEEN_PARAMETER_AND_RANGE:
        return p_between_parameter_range;
    }
    return nullptr;
}

Placement placement(ModificationType a_type) noexcept {
    return placement_scalar(a_type);
}

PlacementBounds placement_bounds(ModificationType a_type) noexcept {
    PlacementBounds bounds;
    switch (a_type) {
    case ModificationType_ABOVE:
        bounds.m_opens_top = true;
        break;
    case ModificationType_BELOW:
        bounds.m_opens_bottom = true;
        break;
    case ModificationType_AROUND:
        bounds.m_opens_top = bounds.m_opens_bottom = true;
        break;
    case ModificationType_ABOVE_CLIP_TOP:
        bounds.m_keeps_top = true;
        break;
    case ModificationType_BELOW_CLIP_BOTTOM:
        bounds.m_keeps_bottom = true;
        break;
    case ModificationType_AROUND_CLIP:
        bounds.m_keeps_top = bounds.m_keeps_bottom = true;
        break;
    default:
        break;
    }
    return bounds;
}

void signal_forms_scalar(const float* a_output, float (*a_forms)[block_size]) noexcept {
    for (unsigned i = 0; i < n; ++i) {
        a_forms[SignalForm_UPWARD][i] = a_output[i];
        a_forms[SignalForm_DOWNWARD][i] = 1.0f - a_output[i];
        a_forms[SignalForm_CENTRED][i] = a_output[i] - 0.5f;
        a_forms[SignalForm_NEGATED][i] = 0.5f - a_output[i];
    }
}

void signal_forms(const float* a_output, float (*a_forms)[block_size]) noexcept {
    signal_forms_scalar(a_output, a_forms);
}

void slew_limit(const float* a_raw, const float* a_step, float a_last, float* a_out,
                unsigned a_frames) noexcept {
    float last = a_last;
    for (unsigned i = 0; i < n; ++i) {
        if (i < a_frames)
            last = std::clamp(a_raw[i], last - a_step[i], last + a_step[i]);
        a_out[i] = last;
    }
}

bool crossfade_scalar(const float* a_raw, const float* a_step, float a_held, float& a_weight,
                      float* a_out, unsigned a_frames) noexcept {
    float weight = a_weight;
    for (unsigned i = 0; i < n; ++i) {
        if (i < a_frames)
            weight = std::min(weight + a_step[i], 1.0f);
        a_out[i] = a_raw[i] * weight + (1.0f - weight) * a_held;
    }
    a_weight = weight;
    return weight < 1.0f;
}

bool crossfade(const float* a_raw, const float* a_step, float a_held, float& a_weight, float* a_out,
               unsigned a_frames) noexcept {
    return crossfade_scalar(a_raw, a_step, a_held, a_weight, a_out, a_frames);
}

Finishing finishing_scalar(const FinishingChoice& a_choice) noexcept {
    const bool exact = a_choice.m_precision == ExponentialPrecision_EXACT;
    switch (a_choice.m_mapping) {
    case ModulationMapping_IDENTITY:
        return p_by_range<ModulationMapping_IDENTITY, true>(a_choice);
    case ModulationMapping_LINEAR:
        return p_by_range<ModulationMapping_LINEAR, true>(a_choice);
    default:
        return exact ? p_by_range<ModulationMapping_EXPONENTIAL, true>(a_choice)
                     : p_by_range<ModulationMapping_EXPONENTIAL, false>(a_choice);
    }
}

Finishing finishing(const FinishingChoice& a_choice) noexcept {
    return finishing_scalar(a_choice);
}

} // namespace Tonekit::ModulationKernels
