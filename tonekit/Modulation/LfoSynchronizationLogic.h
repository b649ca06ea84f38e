#pragma once
// Turns an LFO's cycle parameters into the phase increment per sample of each of its lanes:
// cycle = (whole + numerator / denominator) x the modifier's factor, counted in seconds, or in
// whole notes at the host's tempo (a whole note is four beats).
//
// The LFO binds its cycle parameters' targets to the fields below and shares the callback of
// create_committable_callback() among them; it calls recompute() from its tempo and sample-rate
// listeners. The increments are doubles: a 256-whole-note cycle at a slow tempo and a high rate
// needs more than a float's 24 bits to stay in time, and the LFO kernels take a double increment.

#include "tonekit/Modulation/LfoSynchronization.h"
#include "tonekit/Parameters/CommittableCallback.h"

namespace Tonekit {

class Device;

class LfoSynchronizationLogic {
public:
    explicit LfoSynchronizationLogic(Device* a_device) : m_device(a_device) {}

    // a_increments holds a_lane_count doubles (1, or 16 for per-note lanes), owned by the LFO.
    void set_output(double* a_increments, unsigned a_lane_count) noexcept {
        m_increments = a_increments;
        m_lane_count = a_increments ? a_lane_count : 0;
    }
    // A new callback for the cycle parameters; they share it by reference.
    CommittableCallback* create_committable_callback();

    // [audio-thread or with the processing lock held] Recomputes the cycle and writes the base
    // increment into every lane. Never allocates; a tempo that is not positive gives 0 (the LFO
    // holds still rather than running backwards or racing).
    void recompute() noexcept;

    // Phase increment per sample for the current parameters, sample rate and tempo.
    double get_base_increment() const noexcept { return m_base_increment; }
    // Seconds for Seconds, whole notes otherwise.
    double get_cycle_length() const noexcept { return m_cycle_length; }
    // The song-position phase of lane 0 for this cycle.
    double song_position_phase(double a_quarter_notes, double a_frequency_factor) const noexcept {
        return lfo_song_position_phase(a_quarter_notes, a_frequency_factor, m_cycle_length);
    }

    // Targets of the cycle parameters.
    int m_whole = 0;
    int m_numerator = 1;
    int m_denominator = 1;
    LfoSynchronizationModifier m_modifier = LfoSynchronizationModifier_NONE;
    LfoSynchronizationType m_type = LfoSynchronizationType_SECONDS;

private:
    double m_cycle_length = 2.0;
    double m_base_increment = 0.0;
    Device* m_device;
    double* m_increments = nullptr;
    unsigned m_lane_count = 0;
};

} // namespace Tonekit
