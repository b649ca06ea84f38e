#include "tonekit/Modulation/LfoModulator.h"

#include "orvo/Binis/BiniNode.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Modulation/LfoModulatorEntry.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_ReceivedMusicalTrigger.h"
#include "tonekit/ParameterTypes/P_RetriggerReason.h"
#include "tonekit/Parameters/CommittableCallback.h"

#include <algorithm>
#include <cmath>

namespace Tonekit {
namespace {

constexpr std::uint32_t child_older_parameters = 1;
constexpr std::uint32_t child_frequency_base = Orvo::four_cc("FrBa");

// A jump of the song position smaller than this is drift and is followed without a fade.
constexpr double song_position_fade_threshold = 0.01;

void p_trigger_fired(void* a_lfo, void*) noexcept {
    static_cast<LfoModulator*>(a_lfo)->trigger_received();
}

P_Integer* p_cycle_integer(int a_start, int a_end, int a_default, int* a_target,
                           CommittableCallback* a_callback) {
    auto* parameter = new P_Integer(a_start, a_end, a_default);
    parameter->set_target(a_target);
    parameter->set_committable_callback(a_callback);
    return parameter;
}

// The stored form of a parameter set in code after loading: value, normalized value, commit.
void p_store(P_Integer& a_parameter, int a_value) {
    a_parameter.m_value = a_value;
    a_parameter.normalize();
    a_parameter.commit_now();
}

} // namespace

LfoModulator::LfoModulator(Device* a_device)
    : ModifyingModulator(a_device, type_code), m_sync(a_device) {
    p_add_invert();
    p_add_smoothing(true, SmoothingLogic_IF_NECESSARY);

    m_frequency_factor =
        p_add_float(id_frequency_factor, u"Frequency factor", m_frequency_factor_lanes);
    FloatParameterVariation& factor = m_frequency_factor->set_units(Unit_NONE, Unit_NONE);
    factor.m_external_interval_start = 0.03125f;
    factor.m_external_interval_end = 32.0f;
    factor.m_external_default_value = 1.0f;
    factor.m_exponential = 1;
    m_frequency_factor->set_number_format(u"%.2f");

    m_phase = p_add_float(id_phase, u"Phase", m_phase_lanes);
    FloatParameterVariation::create(m_phase, 1, u"Default", Unit_NONE, 0.0f, 1.0f, 0.0f, false,
                                    ConversionType_IDENTITY,
                                    FloatParameterVariation::Polarity_POSITIVE_UNIPOLAR, true);

    m_retrigger_key = new P_RetriggerReason;
    m_retrigger_key->set_target(&m_retrigger_key_value);
    p_add(m_retrigger_key, id_retrigger_key, u"Retrigger key");

    // Trigger connections change under the structural locks, never through the host.
    m_retrigger_reason = new P_ReceivedMusicalTrigger;
    m_retrigger_reason->set_callback(&p_trigger_fired, this);
    p_add(m_retrigger_reason, id_retrigger_reason, u"Retrigger reason", false);

    CommittableCallback* cycle = m_sync.create_committable_callback();
    m_whole = p_cycle_integer(0, 256, 0, &m_sync.m_whole, cycle);
    p_add(m_whole, id_whole, u"Cycle duration whole");
    m_numerator = p_cycle_integer(1, 256, 1, &m_sync.m_numerator, cycle);
    p_add(m_numerator, id_numerator, u"Cycle duration numerator");
    m_denominator = p_cycle_integer(1, 256, 1, &m_sync.m_denominator, cycle);
    p_add(m_denominator, id_denominator, u"Cycle duration denominator");

    m_modifier = new P_TypedChoice<LfoSynchronizationModifier>;
    append_lfo_synchronization_modifier_options(*m_modifier);
    m_modifier->set_target(&m_sync.m_modifier);
    m_modifier->set_committable_callback(cycle);
    p_add(m_modifier, id_modifier, u"Cycle duration modifier");

    m_type = new P_TypedChoice<LfoSynchronizationType>;
    append_lfo_synchronization_type_options(*m_type);
    m_type->set_target(&m_sync.m_type);
    m_type->set_committable_callback(cycle);
    p_add(m_type, id_synchronization_type, u"Synchronization type");

    m_waveform = new P_TypedChoice<LfoModulatorWaveform>;
    m_waveform->begin_options();
    m_waveform->append_option(1, u"Pulse", LfoModulatorWaveform_PULSE);
    m_waveform->append_option(2, u"Saw", LfoModulatorWaveform_SAW);
    m_waveform->append_option(3, u"Sine (hp)", LfoModulatorWaveform_SINE_HIGH_PRECISION,
                              u"Sine (high precision)");
    m_waveform->append_option(4, u"Sine (lp)", LfoModulatorWaveform_SINE_LOW_PRECISION,
                              u"Sine (low precision)");
    m_waveform->append_option(5, u"Square", LfoModulatorWaveform_SQUARE);
    m_waveform->append_option(6, u"Triangle", LfoModulatorWaveform_TRIANGLE);
    m_waveform->end_options();
    m_waveform->set_default_value(LfoModulatorWaveform_SINE_LOW_PRECISION);
    m_waveform->set_target(&m_waveform_value);
    m_waveform->set_committable_callback(
        new CommittableMethodCallback<LfoModulator>(this, &LfoModulator::p_waveform_changed));
    p_add(m_waveform, id_waveform, u"Waveform");

    m_pwm = p_add_float(id_pwm, u"Pwm", m_pwm_lanes);
    FloatParameterVariation& pwm = m_pwm->set_units(Unit_NONE, Unit_NONE);
    pwm.m_external_interval_start = 0.0f;
    pwm.m_external_interval_end = 1.0f;
    pwm.m_external_default_value = 0.5f;

    p_waveform_changed();
    // The base's constructor could only reach its own lanes.
    p_lanes_changed();
    if (m_device) {
        m_device->add_listener(&m_tempo_listener);
        m_device->add_listener(&m_sample_rate_listener);
        m_device->add_listener(&m_song_position_listener);
    }
}

LfoModulator::~LfoModulator() {
    if (m_device && !(m_manager && m_manager->is_being_destroyed())) {
        m_device->remove_listener(&m_song_position_listener);
        m_device->remove_listener(&m_sample_rate_listener);
        m_device->remove_listener(&m_tempo_listener);
    }
}

ModulatorEntry* LfoModulator::create_entry() {
    return new LfoModulatorEntry(this);
}

void LfoModulator::p_lanes_changed() {
    ModifyingModulator::p_lanes_changed();
    const unsigned lanes = get_lane_count();
    m_phases.assign(lanes, 0.0);
    m_sync.set_output(m_increments, lanes);
    m_sync.recompute();
    p_collect_group_outputs();
}

void LfoModulator::p_collect_group_outputs() {
    m_group_count = unsigned(std::min<std::size_t>(m_group_offsets.size(), get_record_count()));
    const auto lanes = unsigned(m_phases.size());
    m_group_outputs.resize(std::size_t(m_group_count) * lanes);
    for (unsigned lane = 0; lane < lanes; ++lane)
        for (unsigned group = 0; group < m_group_count; ++group)
            m_group_outputs[lane * m_group_count + group] = p_record(group, lane).m_own_raw;
}

void LfoModulator::p_waveform_changed() {
    LfoKernels::GroupWaveform kernel = LfoKernels::group_waveform(m_waveform_value);
    if (!kernel) {
        // Only the offered waveforms can be chosen; this keeps a pointer even so.
        m_waveform_value = LfoModulatorWaveform_SINE_LOW_PRECISION;
        kernel = LfoKernels::group_waveform(m_waveform_value);
    }
    m_group_kernel = kernel;
    m_discontinuous = LfoKernels::is_discontinuous(m_waveform_value);
}

void LfoModulator::entries_changed() {
    std::vector<const float*> offsets;
    std::vector<unsigned> groups;
    groups.reserve(m_entries.size());
    for (const auto& owned : m_entries) {
        const auto* entry = static_cast<const LfoModulatorEntry*>(owned.get());
        const bool opens = entry->starts_phase_group();
        if (opens || offsets.empty())
            offsets.push_back(opens ? entry->get_phase_lanes() : nullptr);
        groups.push_back(unsigned(offsets.size()) - 1);
    }
    if (offsets.empty())
        offsets.push_back(nullptr);
    p_set_record_count(unsigned(offsets.size()));
    m_group_offsets.swap(offsets);
    p_collect_group_outputs();
    for (std::size_t index = 0; index < m_entries.size(); ++index) {
        auto* entry = static_cast<LfoModulatorEntry*>(m_entries[index].get());
        if (entry->m_record != groups[index]) {
            entry->m_record = groups[index];
            entry->configure();
        }
    }
}

void LfoModulator::p_write_raw(unsigned a_frames, bool) noexcept {
    alignas(16) float running[block_size] = {};
    alignas(16) float shifted[block_size];
    const auto lanes = unsigned(m_phases.size());
    for (unsigned lane = 0; lane < lanes; ++lane) {
        LfoKernels::accumulate_phase(m_phases[lane], m_frequency_factor_lanes, m_increments[lane],
                                     a_frames, running);
        LfoKernels::offset_phases(running, m_phase_lanes, shifted);
        m_group_kernel(shifted, m_group_offsets.data(), m_pwm_lanes,
                       m_group_outputs.data() + std::size_t(lane) * m_group_count, m_group_count);
    }
}

void LfoModulator::restart() noexcept {
    std::fill(m_phases.begin(), m_phases.end(), 0.0);
    p_end_crossfades();
}

void LfoModulator::retrigger() noexcept {
    std::fill(m_phases.begin(), m_phases.end(), 0.0);
    for (unsigned lane = 0; lane < m_phases.size(); ++lane)
        p_begin_crossfade(lane);
}

void LfoModulator::trigger_received() noexcept {
    if (m_phases.empty())
        return;
    m_phases[0] = 0.0;
    p_begin_crossfade(0);
}

void LfoModulator::p_follow_song_position() noexcept {
    if (m_sync.m_type != LfoSynchronizationType_SONG_POSITION || m_phases.empty())
        return;
    // The factor as the audio thread has it (smoothed and modulated): the parameter's own value
    // belongs to the thread that edits it.
    const double phase =
        m_sync.song_position_phase(m_device->get_song_position(), m_frequency_factor_lanes[0]);
    // Measured round the circle: 0.999 to 0.001 is drift across the wrap, not a jump.
    double distance = std::fabs(phase - m_phases[0]);
    distance = std::min(distance, 1.0 - distance);
    m_phases[0] = phase;
    if (distance >= song_position_fade_threshold)
        p_begin_crossfade(0);
}

void LfoModulator::Listener::on_device_changed(Device&) {
    if (m_list == List_SONG_POSITION)
        m_lfo->p_follow_song_position();
    else
        m_lfo->m_sync.recompute();
}

void LfoModulator::after_load(Orvo::BiniNode& a_parameters) {
    const Orvo::BiniNode* older = a_parameters.find_child(child_older_parameters);
    const Orvo::BiniNode* base = older ? older->find_child(child_frequency_base) : nullptr;
    const Orvo::BiniNode* value = base ? base->find_child(Parameter::child_value) : nullptr;
    if (!value || value->get_value_type() != Orvo::BiniValueType_UINT32)
        return;
    int numerator = 1;
    int denominator = 1;
    switch (value->get_value_uint32()) {
    case 1:
        denominator = 10;
        break;
    case 2:
        break;
    case 3:
        numerator = 10;
        break;
    default:
        return;
    }
    p_store(*m_whole, 0);
    p_store(*m_numerator, numerator);
    p_store(*m_denominator, denominator);
    m_modifier->select(1);
    m_modifier->commit_now();
    m_type->select(1);
    m_type->commit_now();
    m_sync.recompute();
}

} // namespace Tonekit
