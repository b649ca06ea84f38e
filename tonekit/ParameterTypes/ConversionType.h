#pragma once
// How a float parameter's typed value (in its unit) becomes the internal value the signal path
// reads, and back. The type follows from the pair (typed unit, internal unit). Conversions that
// involve time or frequency use the device's sample rate; parameters using them must be
// re-converted when it changes.
//
// Each exponential forward conversion exists twice: exact (the library power function) and
// approximate (the same exponent through approximate_exp2), chosen by the device's parameter
// exponential precision. Linear conversions have one form.

#include "tonekit/ParameterTypes/Unit.h"

#include <compare>

namespace Tonekit {

enum ConversionType : unsigned {
    ConversionType_NONE = 0,
    ConversionType_CENTS_TO_FREQUENCY_RATIO = 1,
    ConversionType_IDENTITY = 2,
    ConversionType_DECIBELS_TO_AMPLITUDE_RATIO = 3,
    ConversionType_HERTZ_TO_NORMALIZED_FREQUENCY = 4,
    ConversionType_MILLIOCTAVES_TO_FREQUENCY_RATIO = 5,
    ConversionType_MILLISECONDS_TO_FRAMES = 6,
    ConversionType_MILLISECONDS_TO_INVERTED_FRAMES = 7,
    ConversionType_OCTAVES_TO_FREQUENCY_RATIO = 8,
    ConversionType_RESERVED = 9,
    ConversionType_SECONDS_TO_FRAMES = 10,
    ConversionType_SEMITONES_TO_FREQUENCY_RATIO = 11,
    ConversionType_ENUM_SIZE = 12,
};

enum ExponentialPrecision : unsigned {
    ExponentialPrecision_APPROXIMATE = 0,
    ExponentialPrecision_EXACT = 1,
};

struct ConversionPair {
    Unit m_from;
    Unit m_to;
    auto operator<=>(const ConversionPair&) const = default;
};

// (value in the from-unit, sample rate in hertz) -> value in the to-unit.
using UnitConversion = float (*)(float a_value, float a_sample_rate);

// Asserts "i != Base::end()" for a pair without a conversion.
ConversionType find_conversion_type(Unit a_from, Unit a_to);
// Null for types without a function (0, 9 and anything out of range).
UnitConversion get_forward_conversion(ConversionType a_type, unsigned a_precision) noexcept;
UnitConversion get_inverse_conversion(ConversionType a_type) noexcept;
bool conversion_uses_sample_rate(ConversionType a_type) noexcept;

} // namespace Tonekit
