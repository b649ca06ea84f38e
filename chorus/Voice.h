#pragma once
// One of the eight chorus voices: what its parameters write, read by the signal path once per
// control block. The setters are plain stores, safe on the audio thread where commits run.

#include "chorus/Block.h"
#include "chorus/kernels/PanningLawKernels.h"

namespace tolvanchorus {

class Voice {
public:
    bool enabled() const noexcept { return m_enabled; }
    void set_enabled(bool a_enabled) noexcept { m_enabled = a_enabled; }
    bool solo() const noexcept { return m_solo; }
    void set_solo(bool a_solo) noexcept { m_solo = a_solo; }
    // Derived from enabled and solo of all voices by SignalPath::update_effective_enabled, which
    // alone sets it (the path keeps the set of sounding voices with it).
    bool effective_enabled() const noexcept { return m_effective_enabled; }

    // In frames.
    Block& delay_block() noexcept { return m_delay; }
    const Block& delay_block() const noexcept { return m_delay; }
    Block& depth_block() noexcept { return m_depth; }
    const Block& depth_block() const noexcept { return m_depth; }
    // Linear amplitude; ignored in the two-buffer mode.
    Block& input_gain_block() noexcept { return m_input_gain; }
    const Block& input_gain_block() const noexcept { return m_input_gain; }
    // -1 (left) .. 1 (right).
    Block& input_pan_block() noexcept { return m_input_pan; }
    const Block& input_pan_block() const noexcept { return m_input_pan; }
    Block& output_gain_block() noexcept { return m_output_gain; }
    const Block& output_gain_block() const noexcept { return m_output_gain; }
    Block& output_pan_block() noexcept { return m_output_pan; }
    const Block& output_pan_block() const noexcept { return m_output_pan; }
    // 0 reads at delay + depth, 1 at delay.
    Block& pitch_modulation_block() noexcept { return m_pitch_modulation; }
    const Block& pitch_modulation_block() const noexcept { return m_pitch_modulation; }

    // A null law is ignored: the voice keeps the law it has, so the block loop never calls null.
    PanningLawFunction input_panning_law() const noexcept { return m_input_panning_law; }
    void set_input_panning_law(PanningLawFunction a_law) noexcept {
        if (a_law != nullptr)
            m_input_panning_law = a_law;
    }
    PanningLawFunction output_panning_law() const noexcept { return m_output_panning_law; }
    void set_output_panning_law(PanningLawFunction a_law) noexcept {
        if (a_law != nullptr)
            m_output_panning_law = a_law;
    }

private:
    friend class SignalPath;
    void set_effective_enabled(bool a_enabled) noexcept { m_effective_enabled = a_enabled; }

    Block m_delay{};
    Block m_depth{};
    Block m_input_gain{};
    Block m_input_pan{};
    Block m_output_gain{};
    Block m_output_pan{};
    Block m_pitch_modulation{};
    PanningLawFunction m_input_panning_law = &kernels::sse::pan_sine_cosine_high;
    PanningLawFunction m_output_panning_law = &kernels::sse::pan_sine_cosine_high;
    bool m_enabled = false;
    bool m_solo = false;
    bool m_effective_enabled = false;
};

} // namespace tolvanchorus
