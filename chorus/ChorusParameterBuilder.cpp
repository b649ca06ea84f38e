#include "chorus/ChorusParameterBuilder.h"

#include "orvo/Core/FourCc.h"
#include "orvo/Core/MessageFormat.h"
#include "tonekit/Devices/DeviceProgramBuilder.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/P_TypedChoice.h"
#include "tonekit/Parameters/AssignableParameterSlot.h"

#include <string>

namespace tolvanchorus {
namespace {

using Tonekit::FloatParameter;
using Tonekit::FloatParameterVariation;
using Polarity = FloatParameterVariation::Polarity;

constexpr Polarity positive = FloatParameterVariation::Polarity_POSITIVE_UNIPOLAR;
constexpr Polarity negative = FloatParameterVariation::Polarity_NEGATIVE_UNIPOLAR;
constexpr Polarity bipolar = FloatParameterVariation::Polarity_BIPOLAR;

Orvo::WString p_number(unsigned a_value) {
    Orvo::WString text;
    for (char digit : std::to_string(a_value))
        text.append(char16_t(digit));
    return text;
}

// "Delay %d" with the voice number.
Orvo::WString p_voice_name(std::u16string_view a_pattern, unsigned a_voice) {
    Orvo::WString name(a_pattern);
    const auto at = name.find(u"%d");
    return name.substr(0, at) + p_number(a_voice + 1) + name.substr(at + 2).view();
}

void p_milliseconds(FloatParameter* a_parameter, std::uint32_t a_id, const Orvo::WString& a_name,
                    float a_start, float a_end, float a_default, Polarity a_polarity,
                    bool a_is_default) {
    FloatParameterVariation::create(
        a_parameter, a_id, a_name, Tonekit::Unit_MILLISECONDS, a_start, a_end, a_default, false,
        Tonekit::ConversionType_MILLISECONDS_TO_FRAMES, a_polarity, a_is_default);
}

void p_plain(FloatParameter* a_parameter, std::uint32_t a_id, const Orvo::WString& a_name,
             float a_start, float a_end, float a_default, Polarity a_polarity, bool a_is_default) {
    FloatParameterVariation::create(a_parameter, a_id, a_name, Tonekit::Unit_NONE, a_start, a_end,
                                    a_default, false, Tonekit::ConversionType_IDENTITY, a_polarity,
                                    a_is_default);
}

// The gains and the dry and wet levels: plain, inverted, or either way round.
void p_level_variations(FloatParameter* a_parameter, float a_default) {
    p_plain(a_parameter, 1, u"Without inversion", 0.0f, 1.0f, a_default, positive, true);
    p_plain(a_parameter, 2, u"With inversion", 0.0f, -1.0f, -a_default, negative, false);
    p_plain(a_parameter, 3, u"Bipolar", -1.0f, 1.0f, a_default, bipolar, false);
}

void p_offset_variations(FloatParameter* a_parameter) {
    p_milliseconds(a_parameter, 1, u"Add", 0.0f, 50.0f, 0.0f, positive, false);
    p_milliseconds(a_parameter, 2, u"Subtract", 0.0f, -50.0f, 0.0f, negative, false);
    p_milliseconds(a_parameter, 3, u"Add/Subtract", -50.0f, 50.0f, 0.0f, bipolar, true);
}

} // namespace

ChorusParameterBuilder::ChorusParameterBuilder(Tonekit::DeviceProgramBuilder& a_builder,
                                               SignalPath& a_signal_path,
                                               ChorusParameterTargets& a_targets,
                                               Tonekit::CommittableCallback* a_voice_callback,
                                               Tonekit::CommittableCallback* a_choice_callback)
    : m_builder(a_builder), m_signal_path(a_signal_path), m_targets(a_targets),
      m_voice_callback(a_voice_callback), m_choice_callback(a_choice_callback) {}

std::uint32_t ChorusParameterBuilder::slot_id(unsigned a_slot) {
    return Orvo::four_cc("As00") + (std::uint32_t(a_slot / 10) << 16) +
           (std::uint32_t(a_slot % 10) << 24);
}

std::uint32_t ChorusParameterBuilder::voice_id(const char (&a_prefix)[4], unsigned a_voice) {
    const char id[5] = {a_prefix[0], a_prefix[1], a_prefix[2], char('1' + a_voice), 0};
    return Orvo::four_cc(id);
}

void ChorusParameterBuilder::build() {
    p_global_parameters();
    p_assignable_slots();
    p_voice_groups();
}

void ChorusParameterBuilder::p_add(Tonekit::Parameter* a_parameter, std::uint32_t a_id,
                                   const Orvo::WString& a_name, const Orvo::WString& a_short_name) {
    a_parameter->m_id = a_id;
    a_parameter->m_display_name = a_name;
    a_parameter->m_name = a_name;
    a_parameter->m_short_name = a_short_name;
    // Hosts reach the chorus only through the assignable slots.
    a_parameter->m_automatable = false;
    m_builder.add_parameter(a_parameter);
}

FloatParameter* ChorusParameterBuilder::p_float(std::uint32_t a_id, const Orvo::WString& a_name,
                                                float* a_lanes) {
    auto* parameter = new FloatParameter;
    parameter->bind_lanes(a_lanes, FloatParameter::lane_count);
    p_add(parameter, a_id, a_name);
    return parameter;
}

void ChorusParameterBuilder::p_transformation_choice(std::uint32_t a_id,
                                                     const Orvo::WString& a_name,
                                                     TransformationFunction* a_target) {
    auto* choice = new Tonekit::P_TypedChoice<TransformationFunction>;
    const auto& kernels = SignalPath::transformation_kernels();
    choice->begin_options();
    choice->append_option(1, u"None", nullptr);
    choice->append_option(2, u"Offset", kernels[0]);
    choice->append_option(3, u"Offset+Scale", kernels[1]);
    choice->append_option(4, u"Scale", kernels[2]);
    choice->append_option(5, u"Scale+Offset", kernels[3]);
    choice->end_options();
    choice->set_default_option(1);
    choice->set_target(a_target);
    choice->set_committable_callback(m_choice_callback);
    p_add(choice, a_id, a_name);
}

void ChorusParameterBuilder::p_panning_law_choice(std::uint32_t a_id, const Orvo::WString& a_name,
                                                  const Orvo::WString& a_short_name,
                                                  PanningLawFunction* a_target) {
    auto* choice = new Tonekit::P_TypedChoice<PanningLawFunction>;
    const auto& laws = SignalPath::panning_law_kernels();
    choice->begin_options();
    choice->append_option(1, u"-6dB (lin)", laws[0], u"-6dB, linear");
    choice->append_option(2, u"-3dB (sch)", laws[1],
                          u"-3dB, sin/cos, high precision, constant power");
    choice->append_option(3, u"-3dB (scl)", laws[2],
                          u"-3dB, sin/cos, low precision, constant power");
    choice->append_option(4, u"-3dB (sqr)", laws[3], u"-3dB, square root, constant power");
    choice->end_options();
    choice->set_default_option(2);
    choice->set_target(a_target);
    choice->set_committable_callback(m_choice_callback);
    p_add(choice, a_id, a_name, a_short_name);
}

void ChorusParameterBuilder::p_global_parameters() {
    SignalPath& path = m_signal_path;
    p_transformation_choice(Orvo::four_cc("DlTr"), u"Delay transformation",
                            &m_targets.m_delay_transformation);
    p_offset_variations(
        p_float(Orvo::four_cc("DlOf"), u"Delay offset", path.delay_offset_block().data()));
    p_plain(p_float(Orvo::four_cc("DlSc"), u"Delay scale", path.delay_scale_block().data()), 1,
            u"0 to 1, linear", 0.0f, 1.0f, 1.0f, positive, true);
    p_transformation_choice(Orvo::four_cc("DpTr"), u"Depth transformation",
                            &m_targets.m_depth_transformation);
    p_offset_variations(
        p_float(Orvo::four_cc("DpOf"), u"Depth offset", path.depth_offset_block().data()));
    p_plain(p_float(Orvo::four_cc("DpSc"), u"Depth scale", path.depth_scale_block().data()), 1,
            u"0 to 1, linear", 0.0f, 1.0f, 1.0f, positive, true);
    p_level_variations(p_float(Orvo::four_cc("Dry "), u"Dry", path.dry_block().data()), 0.5f);
    FloatParameterVariation::create(
        p_float(Orvo::four_cc("GlGa"), u"Global gain", path.global_gain_block().data()), 1,
        u"Default", Tonekit::Unit_DECIBELS, -20.0f, 20.0f, 0.0f, false,
        Tonekit::ConversionType_DECIBELS_TO_AMPLITUDE_RATIO, bipolar, true);
    p_plain(p_float(Orvo::four_cc("InSt"), u"Input stereo", path.input_stereo_block().data()), 1,
            u"Default", 0.0f, 1.0f, 1.0f, positive, true);

    auto* interpolation = new Tonekit::P_TypedChoice<InterpolationAlgorithm>;
    interpolation->begin_options();
    interpolation->append_option(1, u"Linear", InterpolationAlgorithm_LINEAR);
    interpolation->append_option(2, u"Cubic", InterpolationAlgorithm_CUBIC);
    interpolation->end_options();
    interpolation->set_default_option(1);
    interpolation->set_target(&m_targets.m_interpolation);
    interpolation->set_committable_callback(m_choice_callback);
    p_add(interpolation, Orvo::four_cc("InAl"), u"Interpolation");

    p_plain(p_float(Orvo::four_cc("OuSt"), u"Output stereo", path.output_stereo_block().data()), 1,
            u"Default", 0.0f, 1.0f, 1.0f, positive, true);

    auto* mode = new Tonekit::P_TypedChoice<SignalPath::ProcessingFunction>;
    const auto& modes = SignalPath::processing_functions();
    mode->begin_options();
    mode->append_option(1, u"2 buffers", modes[0],
                        u"2 buffers, input pan applied when reading, input gain ignored");
    mode->append_option(2, u"8 buffers", modes[1], u"8 buffers, input pan applied when writing");
    mode->end_options();
    mode->set_default_option(2);
    mode->set_target(&m_targets.m_processing);
    mode->set_committable_callback(m_choice_callback);
    p_add(mode, Orvo::four_cc("PrMo"), u"Processing mode");

    p_level_variations(p_float(Orvo::four_cc("Wet "), u"Wet", path.wet_block().data()), 0.5f);
}

void ChorusParameterBuilder::p_assignable_slots() {
    m_builder.begin_group(Orvo::four_cc("Assi"), u"Assignable");
    for (unsigned slot = 0; slot < assignable_slot_count; ++slot) {
        auto* parameter = new Tonekit::AssignableParameterSlot;
        p_add(parameter, slot_id(slot),
              Orvo::format_message(u"Assignable @1", {p_number(slot + 1)}));
        parameter->m_persistent = false;
        parameter->m_automatable = true;
        parameter->m_minimum_plugin_internal_version = 1;
        parameter->m_host_sort_key = -1;
    }
    m_builder.end_group();
}

void ChorusParameterBuilder::p_voice_groups() {
    SignalPath& path = m_signal_path;
    const auto group = [this](const char(&a_id)[5], const char16_t* a_name,
                              const auto& a_add_voice) {
        m_builder.begin_group(Orvo::four_cc(a_id), a_name);
        for (unsigned v = 0; v < SignalPath::voice_count; ++v)
            a_add_voice(v);
        m_builder.end_group();
    };
    // A voice's float parameter, smoothed into one of the voice's blocks.
    const auto voice_float = [&](const char(&a_prefix)[4], const char16_t* a_pattern,
                                 unsigned a_voice, Block& (Voice::*a_block)()) {
        return p_float(voice_id(a_prefix, a_voice), p_voice_name(a_pattern, a_voice),
                       (path.voice(a_voice).*a_block)().data());
    };
    const auto voice_boolean = [this](const char(&a_prefix)[4], const char16_t* a_pattern,
                                      unsigned a_voice, bool a_default, bool* a_target) {
        auto* parameter = new Tonekit::P_Boolean(a_default);
        parameter->set_target(a_target);
        parameter->set_committable_callback(m_voice_callback);
        p_add(parameter, voice_id(a_prefix, a_voice), p_voice_name(a_pattern, a_voice));
    };

    group("Dela", u"Delay", [&](unsigned v) {
        p_milliseconds(voice_float("Del", u"Delay %d", v, &Voice::delay_block), 1, u"Default", 0.0f,
                       50.0f, 15.0f, positive, true);
    });
    group("Dept", u"Depth", [&](unsigned v) {
        p_milliseconds(voice_float("Dep", u"Depth %d", v, &Voice::depth_block), 1, u"Default", 0.0f,
                       50.0f, 5.0f, positive, true);
    });
    group("Enab", u"Enabled", [&](unsigned v) {
        voice_boolean("Ena", u"Enabled %d", v, v < 2, &m_targets.m_enabled[v]);
    });

    // Voice 1 hard left, voice 2 hard right, the others centred.
    const auto pan_default = [](unsigned a_voice) {
        return a_voice == 0 ? -1.0f : a_voice == 1 ? 1.0f : 0.0f;
    };
    group("InGa", u"Input gain", [&](unsigned v) {
        p_level_variations(voice_float("IGa", u"Input gain %d", v, &Voice::input_gain_block), 1.0f);
    });
    group("InPa", u"Input pan", [&](unsigned v) {
        p_plain(voice_float("IPa", u"Input pan %d", v, &Voice::input_pan_block), 1, u"Default",
                -1.0f, 1.0f, pan_default(v), bipolar, true);
    });
    group("InPL", u"Input panning law", [&](unsigned v) {
        p_panning_law_choice(voice_id("IPL", v), p_voice_name(u"Input panning law %d", v),
                             p_voice_name(u"In pan law %d", v), &m_targets.m_input_panning_law[v]);
    });
    group("OuGa", u"Output gain", [&](unsigned v) {
        p_level_variations(voice_float("OGa", u"Output gain %d", v, &Voice::output_gain_block),
                           1.0f);
    });
    group("OuPa", u"Output pan", [&](unsigned v) {
        p_plain(voice_float("OPa", u"Output pan %d", v, &Voice::output_pan_block), 1, u"Default",
                -1.0f, 1.0f, pan_default(v), bipolar, true);
    });
    group("OuPL", u"Output panning law", [&](unsigned v) {
        p_panning_law_choice(voice_id("OPL", v), p_voice_name(u"Output panning law %d", v),
                             p_voice_name(u"Out pan law %d", v),
                             &m_targets.m_output_panning_law[v]);
    });

    // Modulation destinations only: their block carries the modulation value, so they are
    // neither stored in presets nor offered to the host.
    group("PiMo", u"Pitch modulation", [&](unsigned v) {
        FloatParameter* pitch =
            voice_float("PiM", u"Pitch modulation %d", v, &Voice::pitch_modulation_block);
        pitch->m_short_name = p_voice_name(u"Pitch mod %d", v);
        pitch->m_persistent = false;
        pitch->m_host_visible = false;
        p_plain(pitch, 1, u"Default", 0.0f, 1.0f, 0.0f, FloatParameterVariation::Polarity_NONE,
                false);
    });
    group("Solo", u"Solo",
          [&](unsigned v) { voice_boolean("Sol", u"Solo %d", v, false, &m_targets.m_solo[v]); });
}

} // namespace tolvanchorus
