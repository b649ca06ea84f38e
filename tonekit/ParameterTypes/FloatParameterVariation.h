#pragma once

#include "tonekit/ParameterTypes/ConversionType.h"
#include "tonekit/ParameterTypes/Unit.h"
#include "tonekit/Parameters/ParameterVariation.h"

#include <cstdint>

namespace Tonekit {

class FloatParameter;

// One definition of a float parameter: unit, interval, default and scale. The interval may run
// downwards (start 50, end 0): normalized 0 is always the start.
class FloatParameterVariation : public ParameterVariation {
public:
    // Read by the modulation side only.
    enum Polarity : unsigned {
        Polarity_NONE = 0,
        Polarity_BIPOLAR = 1,
        Polarity_NEGATIVE_UNIPOLAR = 2,
        Polarity_POSITIVE_UNIPOLAR = 3,
    };

    FloatParameterVariation(std::uint32_t a_id, Orvo::WString a_name);

    // Builds a variation and appends it to a_parameter, which owns it from then on.
    static FloatParameterVariation* create(FloatParameter* a_parameter, std::uint32_t a_id,
                                           const Orvo::WString& a_name, Unit a_unit,
                                           float a_interval_start, float a_interval_end,
                                           float a_default_value, bool a_exponential,
                                           ConversionType a_conversion_type, Polarity a_polarity,
                                           bool a_is_default);

    ConversionType m_conversion_type = ConversionType_IDENTITY;
    float m_external_default_value = 0.0f;
    unsigned m_exponential = 0;
    float m_external_interval_end = 1.0f;
    float m_external_interval_start = 0.0f;
    Unit m_external_unit = Unit_NONE;
    // What the modulation side does with a modulated value outside 0..1; 1 (clamp) everywhere.
    unsigned m_out_of_range = 1;
    Polarity m_polarity = Polarity_POSITIVE_UNIPOLAR;
};

} // namespace Tonekit
