#include "tonekit/ParameterTypes/FloatParameter.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Assert.h"
#include "orvo/Core/MessageFormat.h"
#include "orvo/Core/Utf.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/NumberText.h"
#include "tonekit/Parameters/ApproximateMath.h"
#include "tonekit/Parameters/ParameterSmoother_InternalExponential1.h"
#include "tonekit/Parameters/ParameterSmoother_InternalExponentialN.h"
#include "tonekit/Parameters/ParameterSmoother_InternalLinear1.h"
#include "tonekit/Parameters/ParameterSmoother_InternalLinearN.h"
#include "tonekit/Parameters/ParameterSmoother_Normalized.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Tonekit {
namespace {

// A parameter not collected yet converts at the rate a device starts with.
constexpr float unattached_sample_rate = 1000.0f;

float p_normalize_linear(const FloatParameter& a_p, float a_x) {
    return (a_x - a_p.m_interval_start) / a_p.m_range;
}
float p_denormalize_linear(const FloatParameter& a_p, float a_n) {
    return a_p.m_range * a_n + a_p.m_interval_start;
}
float p_normalize_exact(const FloatParameter& a_p, float a_x) {
    return std::log(a_x / a_p.m_interval_start) * a_p.m_reciprocal_log_ratio;
}
float p_denormalize_exact(const FloatParameter& a_p, float a_n) {
    return a_p.m_interval_start * std::pow(a_p.m_ratio, a_n);
}
float p_normalize_approximate(const FloatParameter& a_p, float a_x) {
    return Parameter::clamp_normalized(approximate_log2(a_x / a_p.m_interval_start) /
                                       a_p.m_log2_ratio);
}
float p_denormalize_approximate(const FloatParameter& a_p, float a_n) {
    const float x = a_p.m_interval_start * approximate_exp2(a_p.m_log2_ratio * a_n);
    return std::clamp(x, a_p.m_minimum, a_p.m_maximum);
}

void p_fill(float* a_lanes, unsigned a_count, float a_value) noexcept {
    for (unsigned i = 0; i < a_count; ++i)
        a_lanes[i] = a_value;
}

} // namespace

FloatParameter::FloatParameter()
    : m_normalize_number(p_normalize_linear), m_denormalize_number(p_denormalize_linear) {
    m_automatable = true;
    m_normalized_lanes = m_block.m_work_areas[normalized_work_area];
}

// --- configuration -------------------------------------------------------------------------------

FloatParameterVariation& FloatParameter::set_units(Unit a_external, Unit a_internal) {
    const ConversionType type = find_conversion_type(a_external, a_internal);
    if (get_variations().empty())
        FloatParameterVariation::create(this, auto_variation_id, Orvo::WString(), a_external, 0.0f,
                                        1.0f, 0.0f, false, type,
                                        FloatParameterVariation::Polarity_POSITIVE_UNIPOLAR, false);
    auto* variation = dynamic_cast<FloatParameterVariation*>(get_variations().front().get());
    ORVO_ASSERT(variation);
    variation->m_external_unit = a_external;
    variation->m_conversion_type = type;
    return *variation;
}

void FloatParameter::set_number_format(const Orvo::WString& a_format) {
    std::string narrow = Orvo::to_utf8(a_format.view());
    ORVO_ASSERT(is_float_format(narrow));
    m_wide_number_format = a_format;
    m_number_format = std::move(narrow);
}

void FloatParameter::bind_lanes(float* a_lanes, unsigned a_vector_size) {
    ORVO_ASSERT(a_vector_size == 1 || a_vector_size == lane_count);
    m_lanes = a_lanes;
    m_vector_size = a_vector_size;
    m_accepts_modulation = a_lanes && a_vector_size == lane_count;
}

void FloatParameter::bind_internal_lanes(float* a_lanes) {
    bind_lanes(a_lanes, lane_count);
    m_normalized_lanes = m_block.m_work_areas[normalized_work_area];
    m_host_visible = false;
    m_persistent = false;
    // The system's own values: nobody routes a modulator to them.
    m_accepts_modulation = false;
}

// --- definition ----------------------------------------------------------------------------------

void FloatParameter::do_initialize() {
    for (const auto& entry : get_variations()) {
        const auto* variation = dynamic_cast<const FloatParameterVariation*>(entry.get());
        ORVO_ASSERT(variation);
        // One line each: a line break inside the condition would change the failure's text.
        // clang-format off
        ORVO_ASSERT(variation->m_external_default_value >= std::min(variation->m_external_interval_start, variation->m_external_interval_end));
        ORVO_ASSERT(variation->m_external_default_value <= std::max(variation->m_external_interval_start, variation->m_external_interval_end));
        // clang-format on
        // An empty interval has no normalized form, and an exponential one must not touch or
        // cross 0; either would turn every value into NaN or infinity.
        ORVO_ASSERT(variation->m_external_interval_start != variation->m_external_interval_end);
        const float start = variation->m_external_interval_start;
        const float end = variation->m_external_interval_end;
        ORVO_ASSERT(!variation->m_exponential || (start > 0 && end > 0) || (start < 0 && end < 0));
    }
    // Without variations the parameter's own fields are the definition.
    if (get_variations().empty())
        p_apply_definition();
}

void FloatParameter::apply_variation() {
    const auto* variation = dynamic_cast<const FloatParameterVariation*>(get_current_variation());
    ORVO_ASSERT(variation);
    m_conversion_type = variation->m_conversion_type;
    m_default_value = variation->m_external_default_value;
    m_exponential = variation->m_exponential;
    m_interval_end = variation->m_external_interval_end;
    m_interval_start = variation->m_external_interval_start;
    m_unit = variation->m_external_unit;
    p_apply_definition();
    if (m_smoother)
        rebuild_smoother();
}

void FloatParameter::p_apply_definition() {
    m_maximum = std::max(m_interval_start, m_interval_end);
    m_minimum = std::min(m_interval_start, m_interval_end);
    m_range = m_interval_end - m_interval_start;
    if (m_exponential) {
        m_ratio = m_interval_end / m_interval_start;
        const double log2_ratio = std::log(double(m_ratio)) / std::numbers::ln2;
        m_log2_ratio = float(log2_ratio);
        m_reciprocal_log_ratio = float(1.0 / (std::numbers::ln2 * log2_ratio));
    }
    p_select_functions();
    if (conversion_uses_sample_rate(m_conversion_type) && get_device())
        get_device()->register_sample_rate_dependent(this);
    p_update_modulation_constants();
}

void FloatParameter::p_select_functions() {
    if (!m_exponential) {
        m_normalize_number = p_normalize_linear;
        m_denormalize_number = p_denormalize_linear;
    } else if (p_precision() == ExponentialPrecision_APPROXIMATE) {
        m_normalize_number = p_normalize_approximate;
        m_denormalize_number = p_denormalize_approximate;
    } else {
        m_normalize_number = p_normalize_exact;
        m_denormalize_number = p_denormalize_exact;
    }
    m_forward = get_forward_conversion(m_conversion_type, p_precision());
    m_inverse = get_inverse_conversion(m_conversion_type);
    m_normalize = p_normalize;
    m_denormalize = p_denormalize;
}

void FloatParameter::update_precision() {
    p_select_functions();
    p_update_internal_value();
    p_update_modulation_constants();
}

void FloatParameter::update_sample_rate() {
    p_update_internal_value();
    p_update_modulation_constants();
}

void FloatParameter::p_update_modulation_constants() {
    const float internal_start = forward(m_interval_start);
    const float internal_end = forward(m_interval_end);
    const bool identity_conversion =
        m_conversion_type == ConversionType_IDENTITY || m_forward == nullptr;
    float exponent_scale = 1.0f;
    if (is_geometric()) {
        m_modulation_mapping = ModulationMapping_EXPONENTIAL;
        exponent_scale =
            float(std::log(double(internal_end) / double(internal_start)) / std::numbers::ln2);
        if (!std::isfinite(exponent_scale))
            exponent_scale = 0.0f;
    } else if (m_interval_start == 0.0f && m_interval_end == 1.0f && identity_conversion) {
        // The value is used as it is; log2(1 / 0) would only put an infinity in the lanes.
        m_modulation_mapping = ModulationMapping_IDENTITY;
    } else {
        m_modulation_mapping = ModulationMapping_LINEAR;
    }
    m_internal_ratio =
        internal_start > 0.0f && internal_end > 0.0f ? internal_end / internal_start : 0.0f;
    p_fill(m_block.m_internal_start, 4, internal_start);
    p_fill(m_block.m_internal_span, 4, internal_end - internal_start);
    p_fill(m_block.m_exponent_scale, 4, exponent_scale);
}

// --- values --------------------------------------------------------------------------------------

void FloatParameter::p_normalize(Parameter* a_parameter) {
    auto& self = static_cast<FloatParameter&>(*a_parameter);
    self.m_normalized_value = clamp_normalized(self.m_normalize_number(self, self.m_value));
}

void FloatParameter::p_denormalize(Parameter* a_parameter) {
    auto& self = static_cast<FloatParameter&>(*a_parameter);
    self.m_value = self.m_denormalize_number(self, self.m_normalized_value);
    self.p_update_internal_value();
}

float FloatParameter::forward(float a_typed) const {
    return m_forward ? m_forward(a_typed, p_sample_rate()) : a_typed;
}

float FloatParameter::inverse(float a_internal) const {
    return m_inverse ? m_inverse(a_internal, p_sample_rate()) : a_internal;
}

bool FloatParameter::is_geometric() const {
    return m_exponential || get_unit_info(m_unit).m_geometric;
}

void FloatParameter::p_update_internal_value() {
    m_internal_value = forward(m_value);
}

float FloatParameter::p_sample_rate() const {
    return get_device() ? get_device()->get_sample_rate() : unattached_sample_rate;
}

unsigned FloatParameter::p_precision() const {
    return get_device() ? get_device()->m_parameter_exponential_precision
                        : unsigned(ExponentialPrecision_EXACT);
}

float FloatParameter::p_clamp_to_interval(float a_value) const {
    if (std::isnan(a_value))
        return m_default_value;
    return std::clamp(a_value, m_minimum, m_maximum);
}

void FloatParameter::commit() {
    if (m_smoothing_normalized) {
        if (m_normalized_lanes)
            p_fill(m_normalized_lanes, m_vector_size, m_normalized_value);
    } else if (m_lanes) {
        p_fill(m_lanes, m_vector_size, m_internal_value);
    }
}

void FloatParameter::reset() {
    m_value = m_default_value;
    p_update_internal_value();
    m_normalize(this);
}

bool FloatParameter::do_load(Orvo::BiniNode& a_node) {
    a_node.require_value_type(Orvo::BiniValueType_FLOAT);
    const float stored = a_node.get_value_float();
    // NaN is nearer to neither end; infinities clamp like any other value outside.
    if (std::isnan(stored))
        return false;
    m_value = p_clamp_to_interval(stored);
    p_update_internal_value();
    m_normalize(this);
    return true;
}

void FloatParameter::do_save(Orvo::BiniNode& a_node) {
    a_node.set_value_float(m_value);
}

void FloatParameter::copy_value(const Parameter& a_other) {
    const auto* other = dynamic_cast<const FloatParameter*>(&a_other);
    if (!other)
        return;
    m_value = p_clamp_to_interval(other->m_value);
    m_internal_value = m_value == other->m_value ? other->m_internal_value : forward(m_value);
    // Copies do not carry the normalized value of parameters the host does not see.
    m_normalize(this);
}

ParameterSmoother* FloatParameter::create_smoother() {
    if (!m_smoothing_enabled)
        return nullptr;
    // The device gives the smoothing rate; parameters are smoothed once collected.
    Device* device = get_device();
    ORVO_ASSERT(device);
    if (m_smoothing_normalized)
        return new ParameterSmoother_Normalized(device, this);
    if (m_vector_size != 1 && m_vector_size != lane_count)
        throw Orvo::Exception(u"Invalid vector size for smoothable parameter.");
    // A parameter whose internal value nobody reads has nothing to smooth.
    if (!m_lanes)
        return nullptr;
    // A ratio scale needs an internal interval that rises from a positive start; a falling or
    // non-positive one (e.g. milliseconds to inverted frames) is smoothed on a linear scale.
    const bool geometric = is_geometric() && m_internal_ratio > 1.0f;
    if (m_vector_size == 1)
        return geometric ? static_cast<ParameterSmoother*>(
                               new ParameterSmoother_InternalExponential1(device, this))
                         : new ParameterSmoother_InternalLinear1(device, this);
    return geometric ? static_cast<ParameterSmoother*>(
                           new ParameterSmoother_InternalExponentialN(device, this))
                     : new ParameterSmoother_InternalLinearN(device, this);
}

// --- texts ---------------------------------------------------------------------------------------

Orvo::WString FloatParameter::p_unit_short_name() const {
    return get_unit_info(m_unit).m_short_name;
}

void FloatParameter::get_unit_text(Orvo::WString& a_text) {
    a_text = p_unit_short_name();
}

void FloatParameter::get_value_text(Orvo::WString& a_text) {
    a_text = Orvo::format_message(u"@1 @2", {general_number_text(m_value), p_unit_short_name()});
}

void FloatParameter::get_number_text(Orvo::WString& a_text) {
    a_text = Orvo::utf8_to_utf16_lossy(format_float(m_number_format, m_value));
}

void FloatParameter::get_number_text(std::string& a_text) {
    a_text = format_float(m_number_format, m_value);
}

void FloatParameter::format_amount(float a_amount, int a_style, Orvo::WString& a_text) {
    double number = double(m_range) * a_amount;
    Unit unit = m_unit;
    if (m_exponential) {
        const double factor = std::pow(double(m_ratio), double(a_amount));
        if (m_unit == Unit_HERTZ) {
            number = 1200.0 * std::log2(factor);
            unit = Unit_CENTS;
        } else {
            number = factor;
            unit = Unit_NONE;
        }
    }
    const int style = a_style < 0 ? 0 : a_style == 0 ? 1 : 2;
    // A difference reads "+-"; a bare factor reads "*/".
    static constexpr const char16_t* difference[] = {u"-", u"+-", u"+"};
    static constexpr const char16_t* factor[] = {u"/", u"*/", u"*"};
    const bool is_difference = !m_exponential || get_unit_info(unit).m_geometric;
    const Orvo::WString prefix = is_difference ? difference[style] : factor[style];
    a_text = Orvo::format_message(
        u"@1@2 @3", {prefix, general_number_text(number), get_unit_info(unit).m_short_name});
}

void FloatParameter::format_value_at(float a_position, Orvo::WString& a_text) {
    const double value = m_exponential
                             ? m_interval_start * std::pow(double(m_ratio), double(a_position))
                             : double(m_range) * a_position + m_interval_start;
    a_text = Orvo::format_message(u"@1 @2", {general_number_text(value), p_unit_short_name()});
}

unsigned FloatParameter::get_out_of_range() const {
    const auto* variation = dynamic_cast<const FloatParameterVariation*>(get_current_variation());
    return variation ? variation->m_out_of_range : 1u;
}

void FloatParameter::set_modulated(bool a_modulated) {
    // A modulated parameter's lanes carry what the modulation computes from its normalized value;
    // the parameter then smooths and commits that normalized value instead.
    m_smoothing_normalized = a_modulated && m_accepts_modulation;
    modulation_changed();
}

void FloatParameter::modulation_changed() {
    p_update_modulation_constants();
    commit();
    rebuild_smoother();
    p_tell_editors_modulation_changed();
}

} // namespace Tonekit
