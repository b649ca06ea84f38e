#pragma once
// Tolvan Chorus as a device: its configuration, its parameters and its signal path.

#include "chorus/ChorusParameterTargets.h"
#include "chorus/SignalPath.h"
#include "tonekit/Devices/Effect.h"

namespace Tonekit {
class CommittableCallback;
}

namespace tolvanchorus {

class TheEffect : public Tonekit::Effect {
public:
    TheEffect();
    ~TheEffect() override;

    using Effect::process;
    void build() override;
    void on_sample_rate_changed() override;
    bool install_factory_presets() override;
    // [audio-thread]
    void process(const Tonekit::InputPair& a_inputs, const Tonekit::OutputPair& a_outputs,
                 unsigned a_frames) override;

    SignalPath& get_signal_path() noexcept { return m_signal_path; }

private:
    // Into the preset folder unless a "Factory" folder is there already; a failure is told once
    // per process on stderr, as the chorus works without the bank.
    bool p_install_factory_bank() noexcept;
    // [audio-thread, commit pass] Which voices sound after any enable or solo change.
    void p_commit_voices();
    // [audio-thread, commit pass] The selected kernels and modes into the signal path.
    void p_commit_choices();

    SignalPath m_signal_path;
    ChorusParameterTargets m_targets;
    Tonekit::CommittableCallback* m_voice_callback;
    Tonekit::CommittableCallback* m_choice_callback;
    // Stand-ins for channels a host leaves out (a null buffer array); one control block each.
    float m_silence[16] = {};
    float m_discard[2][16] = {};
};

} // namespace tolvanchorus
