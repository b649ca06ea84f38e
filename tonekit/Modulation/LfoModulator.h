#pragma once
// The low-frequency oscillator. Its cycle is set in seconds, in notes at the host's tempo, or
// locked to the host's song position (LfoSynchronizationLogic turns the cycle parameters into a
// phase increment); "Frequency factor" speeds it up or slows it down per sample, "Phase" shifts
// it, and one of six waveforms shapes it. Its entries form phase groups (LfoModulatorEntry), each
// with its own signal record and offset.
//
// Each lane (one, or sixteen in the In-note stage) keeps its running phase in double precision
// across chunks, so cycles of many minutes stay locked to the sample count; everything after the
// accumulation runs on 16-float blocks with the four-wide LFO kernels.
//
// Phases go back to 0 on a restart of the stage (no fade, as the whole stage starts afresh), on a
// note that matches "Retrigger key" (every lane, with the restart crossfade) and on a trigger of
// "Retrigger reason" (lane 0, with the crossfade); in song-position mode each position the host
// reports sets lane 0's phase, fading when it jumps.

#include "tonekit/Devices/DeviceListener.h"
#include "tonekit/Modulation/LfoKernels.h"
#include "tonekit/Modulation/LfoSynchronizationLogic.h"
#include "tonekit/Modulation/ModifyingModulator.h"

#include <vector>

namespace Tonekit {

class P_Integer;
class P_ReceivedMusicalTrigger;
class P_RetriggerReason;

class LfoModulator : public ModifyingModulator {
public:
    static constexpr unsigned type_code = 3;
    static constexpr std::uint32_t id_frequency_factor = Orvo::four_cc("FrFa");
    static constexpr std::uint32_t id_phase = Orvo::four_cc("PhOf");
    static constexpr std::uint32_t id_retrigger_key = Orvo::four_cc("ReRe");
    static constexpr std::uint32_t id_retrigger_reason = Orvo::four_cc("ReTr");
    static constexpr std::uint32_t id_whole = Orvo::four_cc("SyWh");
    static constexpr std::uint32_t id_numerator = Orvo::four_cc("SyNu");
    static constexpr std::uint32_t id_denominator = Orvo::four_cc("SyDe");
    static constexpr std::uint32_t id_modifier = Orvo::four_cc("SyMo");
    static constexpr std::uint32_t id_synchronization_type = Orvo::four_cc("SyTy");
    static constexpr std::uint32_t id_waveform = Orvo::four_cc("Wave");
    static constexpr std::uint32_t id_pwm = Orvo::four_cc("WaPa");

    explicit LfoModulator(Device* a_device);
    ~LfoModulator() override;

    Modulator* create_same_kind() const override { return new LfoModulator(m_device); }
    // Counts the phase groups, gives each entry its group's record and each group its offset.
    // [ui-thread, processing lock held]
    void entries_changed() override;
    ModulatorEntry* create_entry() override;
    Orvo::WString get_type_name() const override { return u"LFO"; }
    // Presets of the first layout kept a "frequency base" (1: 10 Hz, 2: 1 Hz, 3: 0.1 Hz) instead
    // of the cycle parameters.
    void after_load(Orvo::BiniNode& a_parameters) override;

    void restart() noexcept override;
    void retrigger() noexcept override;
    int get_retrigger_key() const noexcept override { return m_retrigger_key_value; }

    // [audio-thread] What the "Retrigger reason" triggers do: lane 0 starts its cycle again.
    void trigger_received() noexcept;

    unsigned get_phase_group_count() const noexcept { return unsigned(m_group_offsets.size()); }
    // The running phase of a lane (0..1), before its next sample.
    double get_lane_phase(unsigned a_lane) const noexcept { return m_phases[a_lane]; }
    const LfoSynchronizationLogic& get_synchronization() const noexcept { return m_sync; }
    FloatParameter* get_frequency_factor() const noexcept { return m_frequency_factor; }
    FloatParameter* get_phase() const noexcept { return m_phase; }
    FloatParameter* get_pwm() const noexcept { return m_pwm; }
    P_Integer* get_whole() const noexcept { return m_whole; }
    P_Integer* get_numerator() const noexcept { return m_numerator; }
    P_Integer* get_denominator() const noexcept { return m_denominator; }
    P_TypedChoice<LfoSynchronizationModifier>* get_modifier() const noexcept { return m_modifier; }
    P_TypedChoice<LfoSynchronizationType>* get_synchronization_type() const noexcept {
        return m_type;
    }
    P_TypedChoice<LfoModulatorWaveform>* get_waveform() const noexcept { return m_waveform; }
    P_RetriggerReason* get_retrigger_key_parameter() const noexcept { return m_retrigger_key; }
    P_ReceivedMusicalTrigger* get_retrigger_reason() const noexcept { return m_retrigger_reason; }

protected:
    void p_write_raw(unsigned a_frames, bool a_start) noexcept override;
    void p_lanes_changed() override;

private:
    class Listener final : public DeviceListener {
    public:
        Listener(LfoModulator* a_lfo, List a_list) : DeviceListener(a_list), m_lfo(a_lfo) {}
        void on_device_changed(Device& a_device) override;

    private:
        LfoModulator* m_lfo;
    };

    void p_waveform_changed();
    // Where each group's raw signal goes, per lane; after the records or the groups changed.
    void p_collect_group_outputs();
    // [audio-thread] The host reported a song position.
    void p_follow_song_position() noexcept;

    FloatParameter* m_frequency_factor;
    FloatParameter* m_phase;
    FloatParameter* m_pwm;
    P_RetriggerReason* m_retrigger_key;
    P_ReceivedMusicalTrigger* m_retrigger_reason;
    P_Integer* m_whole;
    P_Integer* m_numerator;
    P_Integer* m_denominator;
    P_TypedChoice<LfoSynchronizationModifier>* m_modifier;
    P_TypedChoice<LfoSynchronizationType>* m_type;
    P_TypedChoice<LfoModulatorWaveform>* m_waveform;

    alignas(16) float m_frequency_factor_lanes[block_size] = {};
    alignas(16) float m_phase_lanes[block_size] = {};
    alignas(16) float m_pwm_lanes[block_size] = {};
    int m_retrigger_key_value = -1;
    LfoModulatorWaveform m_waveform_value = LfoModulatorWaveform_SINE_LOW_PRECISION;
    LfoKernels::GroupWaveform m_group_kernel;

    LfoSynchronizationLogic m_sync;
    // Written by the synchronization logic, one per lane.
    double m_increments[voice_lane_count] = {};
    std::vector<double> m_phases;
    // Per group: the opening entry's Phase lanes, or null for no offset.
    std::vector<const float*> m_group_offsets;
    // Lane l's output for group g at l x m_group_count + g: the record's own raw buffer.
    std::vector<float*> m_group_outputs;
    unsigned m_group_count = 0;

    Listener m_tempo_listener{this, DeviceListener::List_TEMPO};
    Listener m_sample_rate_listener{this, DeviceListener::List_SAMPLE_RATE};
    Listener m_song_position_listener{this, DeviceListener::List_SONG_POSITION};
};

} // namespace Tonekit
