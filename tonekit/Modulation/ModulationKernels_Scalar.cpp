// The plain forms: the reference of the four-wide kernels, and the kernels that are sequential by
// nature. min and max are written the way the vector instructions order their operands (NaN or
// equal zeros give the right operand), so that both forms agree on every input.

#include "tonekit/Modulation/ModulationKernels.h"

#include "tonekit/Modulation/ModulationKernels_Shared.h"
#include "tonekit/Parameters/ApproximateMath.h"

#include <cmath>
#include <iterator>

namespace Tonekit::ModulationKernels {

namespace {

float min_of(float a_left, float a_right) noexcept {
    return a_left < a_right ? a_left : a_right;
}
float max_of(float a_left, float a_right) noexcept {
    return a_left > a_right ? a_left : a_right;
}

// --- placement
// ------------------------------------------------------------------------------------
template <float (*Mode)(float, float, float, float)>
void place(const float* a_value, const float* a_range, const float* a_amount, const float* a_signal,
           float* a_result) noexcept {
    for (unsigned i = 0; i < block_size; ++i)
        a_result[i] = Mode(a_value[i], a_range[i], a_amount[i], a_signal[i]);
}

float centred_headroom(float p) {
    const float twice = 2.0f * p;
    return min_of(twice, 2.0f - twice);
}
float asymmetric_headroom(float p, float k) {
    return k > 0.0f ? 1.0f - p : p;
}

float above(float p, float g, float s, float k) {
    return p + g * s * k;
}
float above_clip_top(float p, float g, float s, float k) {
    return min_of(p + g * s * k, 1.0f);
}
float above_restrict_top(float p, float g, float s, float k) {
    return p + min_of(1.0f - p, g * s) * k;
}
float above_scale_top(float p, float g, float s, float k) {
    return p + (1.0f - p) * (g * s) * k;
}
float around_clip(float p, float g, float s, float k) {
    return min_of(max_of(p + g * s * k, 0.0f), 1.0f);
}
float around_restrict(float p, float g, float s, float k) {
    return p + min_of(centred_headroom(p), g * s) * k;
}
float around_scale(float p, float g, float s, float k) {
    return p + centred_headroom(p) * (g * s) * k;
}
float asymmetric_restrict(float p, float g, float s, float k) {
    return p + min_of(asymmetric_headroom(p, k), g * s) * (2.0f * k);
}
float asymmetric_scale(float p, float g, float s, float k) {
    return p + asymmetric_headroom(p, k) * (g * s) * (2.0f * k);
}
float below(float p, float g, float s, float k) {
    return p - g * s * k;
}
float below_clip_bottom(float p, float g, float s, float k) {
    return max_of(p - g * s * k, 0.0f);
}
float below_restrict_bottom(float p, float g, float s, float k) {
    return p - min_of(g * s, p) * k;
}
float below_scale_bottom(float p, float g, float s, float k) {
    return p - g * s * k * p;
}
float between_range_and_parameter(float p, float g, float s, float k) {
    return g + (p - g) * k * s;
}
float between_parameter_and_range(float p, float g, float s, float k) {
    return p + (g - p) * k * s;
}

// Indexed by ModificationType - 1; Around is Above with a centred signal.
constexpr Placement placements[] = {
    place<above>,
    place<above_clip_top>,
    place<above_restrict_top>,
    place<above_scale_top>,
    place<above>,
    place<around_clip>,
    place<around_restrict>,
    place<around_scale>,
    place<asymmetric_restrict>,
    place<asymmetric_scale>,
    place<below>,
    place<below_clip_bottom>,
    place<below_restrict_bottom>,
    place<below_scale_bottom>,
    place<between_range_and_parameter>,
    place<between_parameter_and_range>,
};

// --- finishing
// ------------------------------------------------------------------------------------
float wrapped(float v) {
    return max_of(v - std::floor(v), 0.0f);
}

float keep(float v) {
    return v;
}
float clamp_top(float v) {
    return min_of(v, 1.0f);
}
float clamp_bottom(float v) {
    return max_of(v, 0.0f);
}
float clamp_both(float v) {
    return min_of(max_of(v, 0.0f), 1.0f);
}
float wrap_top(float v) {
    return v <= 1.0f ? v : wrapped(v);
}
float wrap_bottom(float v) {
    return v >= 0.0f ? v : wrapped(v);
}
float wrap_both(float v) {
    return v >= 0.0f && v <= 1.0f ? v : wrapped(v);
}

template <float (*Bound)(float)>
void finish_identity(const float* a_normalized, const float*, const float*, const float*,
                     float* a_internal) noexcept {
    for (unsigned i = 0; i < block_size; ++i)
        a_internal[i] = Bound(a_normalized[i]);
}

template <float (*Bound)(float)>
void finish_linear(const float* a_normalized, const float* a_start, const float* a_span,
                   const float*, float* a_internal) noexcept {
    for (unsigned i = 0; i < block_size; ++i)
        a_internal[i] = a_start[i % 4] + Bound(a_normalized[i]) * a_span[i % 4];
}

template <float (*Bound)(float)>
void finish_exponential_approximate(const float* a_normalized, const float* a_start, const float*,
                                    const float* a_exponent_scale, float* a_internal) noexcept {
    for (unsigned i = 0; i < block_size; ++i)
        a_internal[i] =
            a_start[i % 4] * approximate_exp2(Bound(a_normalized[i]) * a_exponent_scale[i % 4]);
}

template <float (*Bound)(float)>
void finish_exponential_exact(const float* a_normalized, const float* a_start, const float*,
                              const float* a_exponent_scale, float* a_internal) noexcept {
    for (unsigned i = 0; i < block_size; ++i)
        a_internal[i] =
            a_start[i % 4] * std::exp2(Bound(a_normalized[i]) * a_exponent_scale[i % 4]);
}

template <float (*Bound)(float)>
constexpr Finishing mappings[] = {
    finish_identity<Bound>,
    finish_linear<Bound>,
    finish_exponential_approximate<Bound>,
    finish_exponential_exact<Bound>,
};

// [bounding][mapping], the indices of ModulationKernels_Shared.h.
constexpr const Finishing* finishings[] = {
    mappings<keep>,     mappings<clamp_top>,   mappings<clamp_bottom>, mappings<clamp_both>,
    mappings<wrap_top>, mappings<wrap_bottom>, mappings<wrap_both>,
};

} // namespace

Placement placement_scalar(ModificationType a_type) noexcept {
    const unsigned index = unsigned(a_type) - 1;
    return index < std::size(placements) ? placements[index] : nullptr;
}

PlacementBounds placement_bounds(ModificationType a_type) noexcept {
    switch (a_type) {
    case ModificationType_ABOVE:
        return {.m_opens_top = true};
    case ModificationType_BELOW:
        return {.m_opens_bottom = true};
    case ModificationType_AROUND:
        return {.m_opens_top = true, .m_opens_bottom = true};
    case ModificationType_ABOVE_CLIP_TOP:
        return {.m_keeps_top = true};
    case ModificationType_BELOW_CLIP_BOTTOM:
        return {.m_keeps_bottom = true};
    case ModificationType_AROUND_CLIP:
        return {.m_keeps_top = true, .m_keeps_bottom = true};
    default:
        return {};
    }
}

void signal_forms_scalar(const float* a_output, float (*a_forms)[block_size]) noexcept {
    for (unsigned i = 0; i < block_size; ++i) {
        const float x = a_output[i];
        a_forms[SignalForm_UPWARD][i] = x;
        a_forms[SignalForm_DOWNWARD][i] = 1.0f - x;
        a_forms[SignalForm_CENTRED][i] = x - 0.5f;
        a_forms[SignalForm_NEGATED][i] = 0.5f - x;
    }
}

void slew_limit(const float* a_raw, const float* a_step, float a_last, float* a_out,
                unsigned a_frames) noexcept {
    float last = a_last;
    for (unsigned i = 0; i < a_frames && i < block_size; ++i) {
        last = min_of(max_of(a_raw[i], last - a_step[i]), last + a_step[i]);
        a_out[i] = last;
    }
}

bool crossfade_weights(const float* a_step, float& a_weight, float* a_weights,
                       unsigned a_frames) noexcept {
    float weight = min_of(a_weight, 1.0f);
    for (unsigned i = 0; i < block_size; ++i) {
        a_weights[i] = weight;
        if (i < a_frames)
            weight = min_of(weight + a_step[i], 1.0f);
    }
    a_weight = weight;
    return weight < 1.0f;
}

bool crossfade_scalar(const float* a_raw, const float* a_step, float a_held, float& a_weight,
                      float* a_out, unsigned a_frames) noexcept {
    float weights[block_size];
    const bool running = crossfade_weights(a_step, a_weight, weights, a_frames);
    for (unsigned i = 0; i < block_size; ++i)
        a_out[i] = a_raw[i] * weights[i] + (1.0f - weights[i]) * a_held;
    return running;
}

int finishing_bounding(const FinishingChoice& a_choice) noexcept {
    const int sides = (a_choice.m_top_open ? 1 : 0) + (a_choice.m_bottom_open ? 2 : 0);
    switch (a_choice.m_out_of_range) {
    case OutOfRange_PASS:
        return 0;
    case OutOfRange_CLAMP:
        return sides;
    case OutOfRange_WRAP:
        return sides == 0 ? 0 : 3 + sides;
    }
    return -1;
}

int finishing_mapping(const FinishingChoice& a_choice) noexcept {
    switch (a_choice.m_mapping) {
    case ModulationMapping_IDENTITY:
        return 0;
    case ModulationMapping_LINEAR:
        return 1;
    case ModulationMapping_EXPONENTIAL:
        switch (a_choice.m_precision) {
        case ExponentialPrecision_APPROXIMATE:
            return 2;
        case ExponentialPrecision_EXACT:
            return 3;
        }
        return -1;
    }
    return -1;
}

Finishing finishing_scalar(const FinishingChoice& a_choice) noexcept {
    const int bounding = finishing_bounding(a_choice);
    const int mapping = finishing_mapping(a_choice);
    if (bounding < 0 || mapping < 0)
        return nullptr;
    return finishings[bounding][mapping];
}

} // namespace Tonekit::ModulationKernels
