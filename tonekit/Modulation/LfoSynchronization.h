#pragma once
// How an LFO's cycle duration is counted, and the option tables of its two choices.

#include "tonekit/ParameterTypes/P_TypedChoice.h"

namespace Tonekit {

// Lengthens or shortens the cycle the way note values are modified.
enum LfoSynchronizationModifier : int {
    LfoSynchronizationModifier_NONE = 0,
    LfoSynchronizationModifier_DOT = 1,
    LfoSynchronizationModifier_TWO_DOTS = 2,
    LfoSynchronizationModifier_THREE_DOTS = 3,
    LfoSynchronizationModifier_TRIPLET = 4
};

// The stored values are fixed by presets, hence the order.
enum LfoSynchronizationType : int {
    LfoSynchronizationType_SECONDS = 0,
    LfoSynchronizationType_SONG_POSITION = 1,
    LfoSynchronizationType_TEMPO = 2
};

// 1, 3/2, 7/4, 15/8 or 2/3; 1 for a value no option carries.
double lfo_synchronization_factor(LfoSynchronizationModifier a_modifier) noexcept;

// Options of "Cycle duration modifier", default "---".
void append_lfo_synchronization_modifier_options(
    P_TypedChoice<LfoSynchronizationModifier>& a_choice);
// Options of "Synchronization type", default Seconds.
void append_lfo_synchronization_type_options(P_TypedChoice<LfoSynchronizationType>& a_choice);

// The phase (0..1) that a song position (quarter notes, negative in a pre-roll) gives a cycle of
// a_cycle whole notes played a_frequency_factor times faster.
double lfo_song_position_phase(double a_quarter_notes, double a_frequency_factor,
                               double a_cycle) noexcept;

} // namespace Tonekit
