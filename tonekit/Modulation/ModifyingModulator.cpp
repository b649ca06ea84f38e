#include "tonekit/Modulation/ModifyingModulator.h"

#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/ModulationRoute.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/Parameters/CommittableCallback.h"

#include <algorithm>
#include <cstring>

namespace Tonekit {

ModifyingModulator::ModifyingModulator(Device* a_device, unsigned a_type_code,
                                       unsigned a_record_count)
    : Modulator(a_device, a_type_code), m_records(a_record_count) {
    m_amount = p_add_float(id_amount, u"Amount", m_amount_lanes);
    FloatParameterVariation& amount = m_amount->set_units(Unit_NONE, Unit_NONE);
    amount.m_external_interval_start = 0.0f;
    amount.m_external_interval_end = 1.0f;
    amount.m_external_default_value = 1.0f;
    p_lanes_changed();
}

void ModifyingModulator::p_add_invert() {
    m_invert = new P_Boolean(false);
    m_invert->set_target(&m_invert_value);
    m_invert->set_committable_callback(new CommittableMethodCallback<ModifyingModulator>(
        this, &ModifyingModulator::p_reconfigure_entries));
    p_add(m_invert, id_invert, u"Invert");
}

void ModifyingModulator::p_add_smoothing(bool a_offer_if_necessary, SmoothingLogic a_default) {
    m_smoothing = new P_TypedChoice<SmoothingLogic>;
    m_smoothing->begin_options();
    m_smoothing->append_option(1, u"Off", SmoothingLogic_OFF);
    if (a_offer_if_necessary)
        m_smoothing->append_option(2, u"If necessary", SmoothingLogic_IF_NECESSARY);
    m_smoothing->append_option(3, u"On", SmoothingLogic_ON);
    m_smoothing->end_options();
    m_smoothing->set_default_value(a_default);
    m_smoothing->set_target(&m_smoothing_value);
    m_smoothing_value = a_default;
    p_add(m_smoothing, id_smoothing, u"Smoothing");

    // The internal value is the step per sample that moves the whole 0..1 span in the time given.
    m_smoothness = p_add_float(id_smoothness, u"Smoothness", m_smoothness_lanes);
    FloatParameterVariation& smoothness =
        m_smoothness->set_units(Unit_MILLISECONDS, Unit_INVERTED_FRAMES);
    smoothness.m_external_interval_start = 1.0f;
    smoothness.m_external_interval_end = 1000.0f;
    smoothness.m_external_default_value = 5.0f;
    smoothness.m_exponential = 1;
}

void ModifyingModulator::p_lanes_changed() {
    const unsigned lanes = get_lane_count();
    for (unsigned r = 0; r < m_records.size(); ++r) {
        m_records[r].assign(lanes, LaneRecord{});
        for (unsigned lane = 0; lane < lanes; ++lane)
            initialize_lane_record(m_records[r][lane], r, lane);
    }
    refresh_plan();
}

void ModifyingModulator::initialize_lane_record(LaneRecord& a_record, unsigned, unsigned) {
    a_record.m_raw = a_record.m_own_raw;
}

void ModifyingModulator::p_reconfigure_entries() {
    for (const auto& entry : m_entries)
        entry->configure();
}

void ModifyingModulator::p_set_record_count(unsigned a_count) {
    const auto kept = unsigned(std::min<std::size_t>(a_count, m_records.size()));
    m_records.resize(a_count);
    const unsigned lanes = get_lane_count();
    for (unsigned r = kept; r < a_count; ++r) {
        m_records[r].assign(lanes, LaneRecord{});
        for (unsigned lane = 0; lane < lanes; ++lane)
            initialize_lane_record(m_records[r][lane], r, lane);
    }
    refresh_plan();
}

void ModifyingModulator::p_begin_crossfade(unsigned a_lane) noexcept {
    for (auto& lanes : m_records) {
        if (a_lane >= lanes.size())
            continue;
        LaneRecord& record = lanes[a_lane];
        if (record.m_fresh)
            continue;
        record.m_held = record.m_last_output;
        record.m_weight = 0.0f;
        record.m_crossfading = true;
    }
}

void ModifyingModulator::p_end_crossfades() noexcept {
    for (auto& lanes : m_records)
        for (LaneRecord& record : lanes)
            record.m_crossfading = false;
}

void ModifyingModulator::restart() noexcept {
    for (unsigned lane = 0; lane < get_lane_count(); ++lane)
        p_begin_crossfade(lane);
}

void ModifyingModulator::p_smooth(LaneRecord& a_record, unsigned a_frames, bool a_slew) noexcept {
    if (a_record.m_fresh) {
        a_record.m_last_output = a_record.m_raw[0];
        a_record.m_fresh = false;
        a_record.m_crossfading = false;
    }
    // Unless something smooths it, the entries read the raw signal where it is.
    const float* signal = a_record.m_raw;
    if (a_slew) {
        ModulationKernels::slew_limit(a_record.m_raw, m_smoothness_lanes, a_record.m_last_output,
                                      a_record.m_output, a_frames);
        // A restart met by slew limiting needs no crossfade of its own.
        a_record.m_crossfading = false;
        signal = a_record.m_output;
    } else if (m_smoothing_value == SmoothingLogic_IF_NECESSARY && a_record.m_crossfading) {
        a_record.m_crossfading =
            ModulationKernels::crossfade(a_record.m_raw, m_smoothness_lanes, a_record.m_held,
                                         a_record.m_weight, a_record.m_output, a_frames);
        signal = a_record.m_output;
    }
    a_record.m_signal = signal;
    a_record.m_last_output = signal[a_frames - 1];
    a_record.m_forms_current = false;
}

const float* ModifyingModulator::p_derived_form(LaneRecord& a_record,
                                                ModulationKernels::SignalForm a_form) noexcept {
    if (!a_record.m_forms_current) {
        ModulationKernels::signal_forms(a_record.m_signal, a_record.m_forms);
        a_record.m_forms_current = true;
    }
    return a_record.m_forms[a_form];
}

void ModifyingModulator::routing_rebuilt() {
    std::size_t steps = 0;
    for (const ModulatorEntry* entry : m_active_entries)
        steps += entry->m_lanes.size();
    m_plan.assign(steps, PlanStep{});
    refresh_plan();
}

void ModifyingModulator::refresh_plan() noexcept {
    unsigned size = 0;
    for (ModulatorEntry* entry : m_active_entries) {
        const auto* placing = static_cast<const ModifyingModulatorEntry*>(entry);
        // Between a structural change and the rebuild the records may not match the entries
        // yet; the audio thread runs nothing then, and the rebuild refreshes the plan again.
        if (placing->m_record >= m_records.size())
            continue;
        std::vector<LaneRecord>& records = m_records[placing->m_record];
        const auto lanes = unsigned(std::min(entry->m_lanes.size(), records.size()));
        for (unsigned lane = 0; lane < lanes && size < m_plan.size(); ++lane) {
            const ModulatorEntry::LaneBuffers& buffers = entry->m_lanes[lane];
            const bool last = lane + 1 == lanes;
            const bool wired = buffers.m_input && buffers.m_output;
            if (!wired && !(last && entry->m_route_end))
                continue;
            // A lane without both buffers places nothing and copies nothing (input equals output).
            PlanStep& step = m_plan[size++];
            step.m_placement = wired ? placing->get_placement() : nullptr;
            step.m_input = wired ? buffers.m_input : nullptr;
            step.m_output = wired ? buffers.m_output : nullptr;
            step.m_range = placing->get_range_lanes();
            step.m_enabled = entry->get_enabled_flag();
            step.m_record = &records[lane];
            step.m_form = placing->get_signal_form();
            step.m_route_end = last ? entry->m_route_end : nullptr;
        }
    }
    m_plan_size = size;
}

void ModifyingModulator::process(unsigned a_frames, bool a_start) noexcept {
    p_write_raw(a_frames, a_start);
    const bool slew = m_smoothing_value == SmoothingLogic_ON ||
                      (m_smoothing_value == SmoothingLogic_IF_NECESSARY && m_discontinuous);
    const bool fades = m_smoothing_value == SmoothingLogic_IF_NECESSARY;
    for (auto& lanes : m_records) {
        for (LaneRecord& record : lanes) {
            // The usual chunk: nothing smooths the signal, so the entries read it where it is.
            if (!slew && !record.m_fresh && !(fades && record.m_crossfading)) [[likely]] {
                record.m_signal = record.m_raw;
                record.m_last_output = record.m_raw[a_frames - 1];
                record.m_forms_current = false;
            } else {
                p_smooth(record, a_frames, slew);
            }
        }
    }
    const bool modulator_enabled = is_enabled();
    for (const PlanStep *step = m_plan.data(), *end = step + m_plan_size; step != end; ++step) {
        // A disabled entry or modulator passes the target's value on unchanged.
        if (*step->m_enabled && modulator_enabled && step->m_placement) {
            LaneRecord& record = *step->m_record;
            const float* signal = step->m_form == ModulationKernels::SignalForm_UPWARD
                                      ? record.m_signal
                                      : p_derived_form(record, step->m_form);
            step->m_placement(step->m_input, step->m_range, m_amount_lanes, signal, step->m_output);
        } else if (step->m_output != step->m_input) {
            std::memcpy(step->m_output, step->m_input, sizeof(float) * block_size);
        }
        if (step->m_route_end)
            step->m_route_end->finish();
    }
}

} // namespace Tonekit
