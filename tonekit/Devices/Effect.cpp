#include "tonekit/Devices/Effect.h"

#include "tonekit/Devices/MusicalTriggerManager.h"
#include "tonekit/Modulation/ModulationManager.h"

namespace Tonekit {

void Effect::p_run(const InputPair& a_inputs, const OutputPair& a_outputs, unsigned a_frames) {
    // Triggers due in this chunk restart their modulators before the modulators run.
    get_triggers()->deliver(a_frames);
    ModulationManager* modulation = get_modulation_manager();
    modulation->process_stage_1(a_frames);
    modulation->process_stage_3(a_frames);
    process(a_inputs, a_outputs, a_frames);
}

void Effect::process_block(const InputPair& a_inputs, const OutputPair& a_outputs) {
    p_run(a_inputs, a_outputs, control_block_frames);
}

void Effect::finish_partial_block(const InputPair& a_inputs, const OutputPair& a_outputs,
                                  unsigned a_frames) {
    p_run(a_inputs, a_outputs, a_frames);
}

void Effect::continue_partial_block(const InputPair& a_inputs, const OutputPair& a_outputs,
                                    unsigned a_frames) {
    p_run(a_inputs, a_outputs, a_frames);
}

void Effect::start_partial_block(const InputPair& a_inputs, const OutputPair& a_outputs,
                                 unsigned a_frames) {
    p_run(a_inputs, a_outputs, a_frames);
}

unsigned Effect::retrigger_key_mask(unsigned a_channel, unsigned a_key) const noexcept {
    unsigned mask = 0;
    for (unsigned k = 0; k < retrigger_key_count; ++k) {
        const int channel = m_retrigger_channels[k];
        const int key = m_retrigger_keys[k];
        // "None" (-2) is below "Any" and never equals a key.
        const bool channel_matches = channel < 0 || unsigned(channel) == a_channel;
        const bool key_matches = key == -1 || (key >= 0 && unsigned(key) == a_key);
        if (channel_matches && key_matches)
            mask |= 1u << k;
    }
    return mask;
}

void Effect::note_on(unsigned a_channel, unsigned a_key, unsigned a_velocity) {
    if (const unsigned matched = retrigger_key_mask(a_channel, a_key))
        get_modulation_manager()->retrigger_notes(matched);
    get_triggers()->note_on(a_channel, a_key, a_velocity);
}

} // namespace Tonekit
