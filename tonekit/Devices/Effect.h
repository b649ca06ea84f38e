#pragma once

#include "tonekit/Devices/Device.h"

namespace Tonekit {

// A device that transforms audio. Each control block runs the modulators (stage 1, then the
// post-note stage 3; an effect has no notes of its own) and then the effect's own processing.
class Effect : public Device {
public:
    void process_block(const InputPair& a_inputs, const OutputPair& a_outputs) override;
    void finish_partial_block(const InputPair& a_inputs, const OutputPair& a_outputs,
                              unsigned a_frames) override;
    void continue_partial_block(const InputPair& a_inputs, const OutputPair& a_outputs,
                                unsigned a_frames) override;
    void start_partial_block(const InputPair& a_inputs, const OutputPair& a_outputs,
                             unsigned a_frames) override;
    // [audio-thread] A note-on (velocity 0 too) restarts the modulators listening to a retrigger
    // key definition it matches, and fires the "Note On" trigger. Note-offs do neither.
    void note_on(unsigned a_channel, unsigned a_key, unsigned a_velocity) override;
    // Bit k is set when retrigger key definition k matches the note: its channel is "Any" or
    // a_channel, and its key is "Any" or a_key ("None" matches nothing).
    unsigned retrigger_key_mask(unsigned a_channel, unsigned a_key) const noexcept;

    // [audio-thread] Up to 16 frames; inputs and outputs may be the same buffers.
    virtual void process(const InputPair& a_inputs, const OutputPair& a_outputs,
                         unsigned a_frames) = 0;

    using Device::process;

private:
    void p_run(const InputPair& a_inputs, const OutputPair& a_outputs, unsigned a_frames);
};

} // namespace Tonekit
