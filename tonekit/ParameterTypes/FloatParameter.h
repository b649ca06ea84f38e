#pragma once
// A continuous value in a unit. Three forms: the typed value (in the unit, what users read and
// presets store), the normalized value (0..1 over the interval, linear or exponential) and the
// internal value the signal path reads (the typed value converted, e.g. milliseconds to frames).
// The definition (unit, interval, default, scale, conversion) comes from the current variation.
//
// The owner configures before collection: either variations (FloatParameterVariation::create)
// or set_units plus the returned variation's fields; then bind_lanes to say where commit writes.
// Normalization of exponential intervals follows the device's parameter exponential precision.

#include "tonekit/Modulation/Modulatee.h"
#include "tonekit/ParameterTypes/ConversionType.h"
#include "tonekit/ParameterTypes/Unit.h"
#include "tonekit/Parameters/Parameter.h"

#include <string>

namespace Tonekit {

class FloatParameterVariation;

class FloatParameter : public Parameter, public Modulatee {
public:
    using NumberConversion = float (*)(const FloatParameter& a_parameter, float a_value);

    static constexpr std::uint32_t auto_variation_id = Orvo::four_cc("Auto");
    static constexpr unsigned lane_count = 16;
    // The work area that holds the normalized lanes when the owner binds none.
    static constexpr unsigned normalized_work_area = 2;

    FloatParameter();

    // Creates the "Auto" variation when the parameter has none yet and gives the first variation
    // this unit and the conversion to a_internal ("i != Base::end()" when there is none). The
    // owner then sets the returned variation's default, interval and scale.
    FloatParameterVariation& set_units(Unit a_external, Unit a_internal);
    // printf format for number texts, e.g. "%.4f"; one floating conversion.
    void set_number_format(const Orvo::WString& a_format);
    // Where commit writes the internal value: a_vector_size (1 or 16) floats, 16-byte aligned.
    void bind_lanes(float* a_lanes, unsigned a_vector_size);
    // Where commit writes the normalized value when smoothing in normalized form.
    void bind_normalized_lanes(float* a_lanes) noexcept { m_normalized_lanes = a_lanes; }
    // A parameter the system uses inside (neither saved nor shown to the host): 16 lanes.
    void bind_internal_lanes(float* a_lanes);

    float get_value() const noexcept { return m_value; }
    float get_internal_value() const noexcept { return m_internal_value; }
    // The normalized position of a typed value under the current definition.
    float normalize_number(float a_value) const { return m_normalize_number(*this, a_value); }
    float denormalize_number(float a_normalized) const {
        return m_denormalize_number(*this, a_normalized);
    }
    float forward(float a_typed) const;
    float inverse(float a_internal) const;
    bool is_geometric() const;

    void do_initialize() override;
    void commit() override;
    bool do_load(Orvo::BiniNode& a_node) override;
    void reset() override;
    void do_save(Orvo::BiniNode& a_node) override;
    void apply_variation() override;
    void copy_value(const Parameter& a_other) override;
    void update_precision() override;
    void update_sample_rate() override;
    Modulatee* get_modulatee() override { return this; }
    void get_number_text(Orvo::WString& a_text) override;
    void get_number_text(std::string& a_text) override;
    void get_value_text(Orvo::WString& a_text) override;
    ParameterSmoother* create_smoother() override;
    void get_unit_text(Orvo::WString& a_text) override;

    Parameter* get_parameter() override { return this; }
    void format_amount(float a_amount, int a_style, Orvo::WString& a_text) override;
    void format_value_at(float a_position, Orvo::WString& a_text) override;
    void modulation_changed() override;

    // [ui-thread, structural locks held] The routing made the parameter a modulation target
    // (or no longer one): switches between internal and normalized smoothing and re-commits.
    void set_modulated(bool a_modulated);
    // What a modulated value outside 0..1 becomes: 0 passes, 1 clamps, 2 wraps.
    unsigned get_out_of_range() const;

    ConversionType m_conversion_type = ConversionType_IDENTITY;
    float m_default_value = 0.0f;
    unsigned m_exponential = 0;
    float m_interval_end = 1.0f;
    float m_interval_start = 0.0f;
    float m_maximum = 1.0f;
    float m_minimum = 0.0f;
    Unit m_unit = Unit_NONE;
    float m_value = 0.0f;
    float m_internal_value = 0.0f;
    float m_range = 1.0f;
    float m_ratio = 1.0f;
    float m_log2_ratio = 0.0f;
    float m_reciprocal_log_ratio = 0.0f;
    NumberConversion m_normalize_number;
    NumberConversion m_denormalize_number;
    UnitConversion m_forward = nullptr;
    UnitConversion m_inverse = nullptr;
    unsigned m_vector_size = 1;
    std::string m_number_format = "%g";
    Orvo::WString m_wide_number_format = u"%g";
    bool m_smoothing_enabled = true;
    bool m_smoothing_normalized = false;
    float* m_lanes = nullptr;
    float* m_normalized_lanes = nullptr;
    ModulationMapping m_modulation_mapping = ModulationMapping_IDENTITY;
    // forward(end) / forward(start) when both are positive, else 0.
    float m_internal_ratio = 0.0f;

    // The modulation side reads these four lanes at a time; every lane holds the same value.
    struct alignas(16) ModulationBlock {
        float m_work_areas[3][lane_count];
        float m_internal_start[4];
        float m_internal_span[4];
        float m_exponent_scale[4];
    };
    ModulationBlock m_block{};

private:
    static void p_normalize(Parameter* a_parameter);
    static void p_denormalize(Parameter* a_parameter);
    float p_sample_rate() const;
    unsigned p_precision() const;
    void p_apply_definition();
    void p_select_functions();
    void p_update_internal_value();
    void p_update_modulation_constants();
    float p_clamp_to_interval(float a_value) const;
    Orvo::WString p_unit_short_name() const;
};

} // namespace Tonekit
