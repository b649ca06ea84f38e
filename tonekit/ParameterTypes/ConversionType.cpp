#include "tonekit/ParameterTypes/ConversionType.h"

#include "orvo/Containers/Map.h"
#include "tonekit/Parameters/ApproximateMath.h"

#include <cmath>
#include <numbers>

namespace Tonekit {
namespace {

constexpr float ln2 = std::numbers::ln2_v<float>;
constexpr float ln10 = std::numbers::ln10_v<float>;

float p_identity(float a_x, float) {
    return a_x;
}

// Exact forward conversions: the library power function.
float p_cents_exact(float a_x, float) {
    return std::pow(2.0f, a_x / 1200.0f);
}
float p_decibels_exact(float a_x, float) {
    return std::pow(10.0f, 0.05f * a_x);
}
float p_millioctaves_exact(float a_x, float) {
    return std::pow(2.0f, a_x / 1000.0f);
}
float p_octaves_exact(float a_x, float) {
    return std::pow(2.0f, a_x);
}
float p_semitones_exact(float a_x, float) {
    return std::pow(2.0f, a_x / 12.0f);
}

// Approximate forward conversions: the same exponent, base 2, through approximate_exp2.
float p_cents_approximate(float a_x, float) {
    return approximate_exp2(a_x / 1200.0f);
}
float p_decibels_approximate(float a_x, float) {
    static const float log2_10_times_0_05 = float(std::log2(10.0) * 0.05);
    return approximate_exp2(a_x * log2_10_times_0_05);
}
float p_millioctaves_approximate(float a_x, float) {
    return approximate_exp2(a_x / 1000.0f);
}
float p_octaves_approximate(float a_x, float) {
    return approximate_exp2(a_x);
}
float p_semitones_approximate(float a_x, float) {
    return approximate_exp2(a_x / 12.0f);
}

// Linear forward conversions (one form for both precisions).
float p_hertz_forward(float a_x, float a_rate) {
    return a_x / a_rate;
}
float p_milliseconds_to_frames(float a_x, float a_rate) {
    return a_x * a_rate / 1000.0f;
}
float p_milliseconds_to_inverted_frames(float a_x, float a_rate) {
    return 1.0f / (a_x * a_rate / 1000.0f);
}
float p_seconds_to_frames(float a_x, float a_rate) {
    return a_x * a_rate;
}

// Inverses.
float p_cents_inverse(float a_x, float) {
    return 1200.0f * std::log(a_x) / ln2;
}
float p_decibels_inverse(float a_x, float) {
    return 20.0f * std::log(a_x) / ln10;
}
float p_hertz_inverse(float a_x, float a_rate) {
    return a_x * a_rate;
}
float p_millioctaves_inverse(float a_x, float) {
    return 1000.0f * std::log(a_x) / ln2;
}
float p_frames_to_milliseconds(float a_x, float a_rate) {
    return 1000.0f * a_x / a_rate;
}
float p_inverted_frames_to_milliseconds(float a_x, float a_rate) {
    return 1000.0f / (a_x * a_rate);
}
float p_octaves_inverse(float a_x, float) {
    return std::log(a_x) / ln2;
}
float p_frames_to_seconds(float a_x, float a_rate) {
    return a_x / a_rate;
}
float p_semitones_inverse(float a_x, float) {
    return 12.0f * std::log(a_x) / ln2;
}

struct ConversionRow {
    UnitConversion m_approximate;
    UnitConversion m_exact;
    UnitConversion m_inverse;
    bool m_uses_sample_rate;
};

constexpr ConversionRow conversion_table[ConversionType_ENUM_SIZE] = {
    {nullptr, nullptr, nullptr, false},
    {p_cents_approximate, p_cents_exact, p_cents_inverse, false},
    {p_identity, p_identity, p_identity, false},
    {p_decibels_approximate, p_decibels_exact, p_decibels_inverse, false},
    {p_hertz_forward, p_hertz_forward, p_hertz_inverse, true},
    {p_millioctaves_approximate, p_millioctaves_exact, p_millioctaves_inverse, false},
    {p_milliseconds_to_frames, p_milliseconds_to_frames, p_frames_to_milliseconds, true},
    {p_milliseconds_to_inverted_frames, p_milliseconds_to_inverted_frames,
     p_inverted_frames_to_milliseconds, true},
    {p_octaves_approximate, p_octaves_exact, p_octaves_inverse, false},
    {nullptr, nullptr, nullptr, false},
    {p_seconds_to_frames, p_seconds_to_frames, p_frames_to_seconds, true},
    {p_semitones_approximate, p_semitones_exact, p_semitones_inverse, false},
};

const Orvo::Map<ConversionPair, ConversionType>& p_conversion_map() {
    static const Orvo::Map<ConversionPair, ConversionType> map = {
        {{Unit_CENTS, Unit_FREQUENCY_RATIO}, ConversionType_CENTS_TO_FREQUENCY_RATIO},
        {{Unit_NONE, Unit_NONE}, ConversionType_IDENTITY},
        {{Unit_DECIBELS, Unit_AMPLITUDE_RATIO}, ConversionType_DECIBELS_TO_AMPLITUDE_RATIO},
        {{Unit_HERTZ, Unit_NORMALIZED_FREQUENCY}, ConversionType_HERTZ_TO_NORMALIZED_FREQUENCY},
        {{Unit_MILLIOCTAVES, Unit_FREQUENCY_RATIO}, ConversionType_MILLIOCTAVES_TO_FREQUENCY_RATIO},
        {{Unit_MILLISECONDS, Unit_FRAMES}, ConversionType_MILLISECONDS_TO_FRAMES},
        {{Unit_MILLISECONDS, Unit_INVERTED_FRAMES}, ConversionType_MILLISECONDS_TO_INVERTED_FRAMES},
        {{Unit_OCTAVES, Unit_FREQUENCY_RATIO}, ConversionType_OCTAVES_TO_FREQUENCY_RATIO},
        {{Unit_SECONDS, Unit_FRAMES}, ConversionType_SECONDS_TO_FRAMES},
        {{Unit_SEMITONES, Unit_FREQUENCY_RATIO}, ConversionType_SEMITONES_TO_FREQUENCY_RATIO},
    };
    return map;
}

} // namespace

ConversionType find_conversion_type(Unit a_from, Unit a_to) {
    return p_conversion_map().get(ConversionPair{a_from, a_to});
}

UnitConversion get_forward_conversion(ConversionType a_type, unsigned a_precision) noexcept {
    if (a_type >= ConversionType_ENUM_SIZE)
        return nullptr;
    const ConversionRow& row = conversion_table[a_type];
    return a_precision == ExponentialPrecision_APPROXIMATE ? row.m_approximate : row.m_exact;
}

UnitConversion get_inverse_conversion(ConversionType a_type) noexcept {
    return a_type < ConversionType_ENUM_SIZE ? conversion_table[a_type].m_inverse : nullptr;
}

bool conversion_uses_sample_rate(ConversionType a_type) noexcept {
    return a_type < ConversionType_ENUM_SIZE && conversion_table[a_type].m_uses_sample_rate;
}

} // namespace Tonekit
