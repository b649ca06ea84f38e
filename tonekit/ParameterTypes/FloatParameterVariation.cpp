#include "tonekit/ParameterTypes/FloatParameterVariation.h"

#include "tonekit/ParameterTypes/FloatParameter.h"

#include <memory>

namespace Tonekit {

FloatParameterVariation::FloatParameterVariation(std::uint32_t a_id, Orvo::WString a_name)
    : ParameterVariation(a_id, std::move(a_name)) {}

FloatParameterVariation* FloatParameterVariation::create(
    FloatParameter* a_parameter, std::uint32_t a_id, const Orvo::WString& a_name, Unit a_unit,
    float a_interval_start, float a_interval_end, float a_default_value, bool a_exponential,
    ConversionType a_conversion_type, Polarity a_polarity, bool a_is_default) {
    auto variation = std::make_unique<FloatParameterVariation>(a_id, a_name);
    variation->m_external_unit = a_unit;
    variation->m_external_interval_start = a_interval_start;
    variation->m_external_interval_end = a_interval_end;
    variation->m_external_default_value = a_default_value;
    variation->m_exponential = a_exponential ? 1u : 0u;
    variation->m_conversion_type = a_conversion_type;
    variation->m_polarity = a_polarity;
    FloatParameterVariation* result = variation.get();
    a_parameter->append_variation(variation.release(), a_is_default);
    return result;
}

} // namespace Tonekit
