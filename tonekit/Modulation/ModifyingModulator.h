#pragma once
// Base of the modulators whose entries place a signal relative to the target's value (LFO, XY,
// combinator). Each chunk: the kind writes (or points to) a raw signal per record and lane, the
// base smooths it, derives the four signal forms, and each entry places its form on its target
// with its Range and the modulator's Amount.
//
// A kind adds the optional "Invert" and "Smoothing"/"Smoothness" parameters through the base
// (p_add_invert, p_add_smoothing) in its constructor. Records: most kinds have one signal; the XY
// pad has two (X and Y), and each entry reads the record it chose.

#include "tonekit/Modulation/ModulationKernels.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/ParameterTypes/P_TypedChoice.h"

#include <vector>

namespace Tonekit {

class ModulationRoute;

class ModifyingModulator : public Modulator {
public:
    static constexpr std::uint32_t id_amount = Orvo::four_cc("Amnt");
    static constexpr std::uint32_t id_invert = Orvo::four_cc("Invr");
    static constexpr std::uint32_t id_smoothing = Orvo::four_cc("SmLo");
    static constexpr std::uint32_t id_smoothness = Orvo::four_cc("SmAm");

    enum SmoothingLogic : unsigned {
        SmoothingLogic_IF_NECESSARY = 0,
        SmoothingLogic_OFF = 1,
        SmoothingLogic_ON = 2,
    };

    static constexpr unsigned block_size = ModulationKernels::block_size;

    struct LaneRecord {
        float m_last_output = 0.0f;
        // The output when a restart began, faded out while the weight rises.
        float m_held = 0.0f;
        float m_weight = 1.0f;
        bool m_crossfading = false;
        // No output yet: the first chunk starts where the signal is instead of gliding from 0.
        bool m_fresh = true;
        // The derived forms of this chunk's signal are in m_forms.
        bool m_forms_current = false;
        const float* m_raw = nullptr;
        // This chunk's output: the raw signal itself when nothing smoothed it, else m_output.
        const float* m_signal = nullptr;
        alignas(16) float m_own_raw[block_size] = {};
        alignas(16) float m_output[block_size] = {};
        alignas(16) float m_forms[ModulationKernels::SignalForm_COUNT][block_size] = {};
    };

    // One placement of a chunk, resolved when the routing is rebuilt: an active entry on one lane,
    // with what it reads, where it writes and, on an entry that ends its target's chain, the
    // route it finishes. Entries, records and routes stay where they are until the next rebuild;
    // what a commit can change (placement, form, record) is refreshed in place.
    struct PlanStep {
        ModulationKernels::Placement m_placement = nullptr;
        const float* m_input = nullptr;
        float* m_output = nullptr;
        const float* m_range = nullptr;
        const bool* m_enabled = nullptr;
        LaneRecord* m_record = nullptr;
        ModulationKernels::SignalForm m_form = ModulationKernels::SignalForm_UPWARD;
        const ModulationRoute* m_route_end = nullptr;
    };

    ModifyingModulator(Device* a_device, unsigned a_type_code, unsigned a_record_count = 1);

    void process(unsigned a_frames, bool a_start) noexcept override;
    void restart() noexcept override;
    void routing_rebuilt() override;
    // [audio-thread in the commit pass, or structural locks held] An entry chose another
    // placement, form or record: the plan follows, without allocating.
    void refresh_plan() noexcept;

    // The lane record's raw signal points to its own buffer, which the kind writes each chunk.
    virtual void initialize_lane_record(LaneRecord& a_record, unsigned a_record_index,
                                        unsigned a_lane);

    bool is_inverted() const noexcept { return m_invert_value; }
    // [audio-thread] a_record below get_record_count(), a_lane below the lane count.
    const LaneRecord& get_record(unsigned a_record, unsigned a_lane) const noexcept {
        return m_records[a_record][a_lane];
    }
    unsigned get_record_count() const noexcept { return unsigned(m_records.size()); }
    // [audio-thread, after this chunk's smoothing] One form of a record's output. The upward
    // form is the output itself; the others are derived when an entry first asks for them.
    const float* get_signal_form(unsigned a_record, unsigned a_lane,
                                 ModulationKernels::SignalForm a_form) noexcept {
        LaneRecord& record = m_records[a_record][a_lane];
        if (a_form == ModulationKernels::SignalForm_UPWARD)
            return record.m_signal;
        return p_derived_form(record, a_form);
    }
    const float* get_amount_lanes() const noexcept { return m_amount_lanes; }
    SmoothingLogic get_smoothing() const noexcept { return m_smoothing_value; }

    // Set by the kind while its current signal jumps of its own accord: "If necessary" then
    // slew-limits like "On".
    bool m_discontinuous = false;

protected:
    // [audio-thread] Writes the raw signal of every record and lane whose raw pointer is its own
    // buffer. Nothing to write for kinds whose records point at parameter lanes.
    virtual void p_write_raw(unsigned a_frames, bool a_start) noexcept {
        (void)a_frames;
        (void)a_start;
    }
    // [ui-thread, processing lock held] Records that stay keep their state; new ones start
    // fresh. Entries whose record is gone read record 0 once they are reconfigured.
    void p_set_record_count(unsigned a_count);
    LaneRecord& p_record(unsigned a_record, unsigned a_lane) noexcept {
        return m_records[a_record][a_lane];
    }
    // [audio-thread] Lane a_lane of every record fades from its last output into the new signal
    // (with "If necessary" smoothing; slew limiting needs no fade).
    void p_begin_crossfade(unsigned a_lane) noexcept;
    // [audio-thread] Every record and lane follows its raw signal at once.
    void p_end_crossfades() noexcept;
    void p_add_invert();
    // "Smoothing" with Off and On, and If necessary when a_offer_if_necessary; plus "Smoothness".
    void p_add_smoothing(bool a_offer_if_necessary, SmoothingLogic a_default);
    void p_lanes_changed() override;

private:
    void p_smooth(LaneRecord& a_record, unsigned a_frames, bool a_slew) noexcept;
    const float* p_derived_form(LaneRecord& a_record,
                                ModulationKernels::SignalForm a_form) noexcept;
    void p_reconfigure_entries();

    std::vector<std::vector<LaneRecord>> m_records;
    // Sized by routing_rebuilt for every lane of every entry; the first m_plan_size steps run.
    std::vector<PlanStep> m_plan;
    unsigned m_plan_size = 0;
    FloatParameter* m_amount;
    alignas(16) float m_amount_lanes[block_size] = {};
    P_Boolean* m_invert = nullptr;
    bool m_invert_value = false;
    P_TypedChoice<SmoothingLogic>* m_smoothing = nullptr;
    SmoothingLogic m_smoothing_value = SmoothingLogic_OFF;
    FloatParameter* m_smoothness = nullptr;
    alignas(16) float m_smoothness_lanes[block_size] = {};
};

} // namespace Tonekit
