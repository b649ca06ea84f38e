#include "tonekit/Devices/Effect.h"

#include "tonekit/Devices/MusicalTriggerManager.h"
#include "tonekit/Modulation/ModulationManager.h"

namespace Tonekit {

void Effect::p_run(const InputPair& a_inputs, const OutputPair& a_outputs, unsigned a_frames) {
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

void Effect::note_on(unsigned a_channel, unsigned a_key, unsigned a_velocity) {
    get_triggers()->note_on(a_channel, a_key, a_velocity);
}

} // namespace Tonekit
