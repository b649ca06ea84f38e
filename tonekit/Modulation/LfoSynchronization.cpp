#include "tonekit/Modulation/LfoSynchronization.h"

#include <cmath>

namespace Tonekit {

double lfo_synchronization_factor(LfoSynchronizationModifier a_modifier) noexcept {
    switch (a_modifier) {
    case LfoSynchronizationModifier_DOT:
        return 3.0 / 2.0;
    case LfoSynchronizationModifier_TWO_DOTS:
        return 7.0 / 4.0;
    case LfoSynchronizationModifier_THREE_DOTS:
        return 15.0 / 8.0;
    case LfoSynchronizationModifier_TRIPLET:
        return 2.0 / 3.0;
    case LfoSynchronizationModifier_NONE:
        break;
    }
    return 1.0;
}

void append_lfo_synchronization_modifier_options(
    P_TypedChoice<LfoSynchronizationModifier>& a_choice) {
    a_choice.begin_options();
    a_choice.append_option(1, u"---", LfoSynchronizationModifier_NONE);
    a_choice.append_option(2, u"Dot", LfoSynchronizationModifier_DOT);
    a_choice.append_option(3, u"2 dots", LfoSynchronizationModifier_TWO_DOTS);
    a_choice.append_option(4, u"3 dots", LfoSynchronizationModifier_THREE_DOTS);
    a_choice.append_option(5, u"Triplet", LfoSynchronizationModifier_TRIPLET);
    a_choice.end_options();
    a_choice.set_default_value(LfoSynchronizationModifier_NONE);
}

void append_lfo_synchronization_type_options(P_TypedChoice<LfoSynchronizationType>& a_choice) {
    a_choice.begin_options();
    a_choice.append_option(1,
                           u"Seconds - tempo and song position ignored, cycle duration in seconds",
                           LfoSynchronizationType_SECONDS, u"Seconds");
    a_choice.append_option(2, u"Tempo - song position ignored, cycle duration in full notes",
                           LfoSynchronizationType_TEMPO, u"Tempo");
    a_choice.append_option(3, u"Song position - cycle duration in full notes",
                           LfoSynchronizationType_SONG_POSITION, u"Song position");
    a_choice.end_options();
    a_choice.set_default_value(LfoSynchronizationType_SECONDS);
}

double lfo_song_position_phase(double a_quarter_notes, double a_frequency_factor,
                               double a_cycle) noexcept {
    if (!(a_cycle > 0.0))
        return 0.0;
    const double cycles = a_quarter_notes * 0.25 * a_frequency_factor / a_cycle;
    if (!std::isfinite(cycles))
        return 0.0;
    // floor, not truncation: a pre-roll's negative positions still give phases in 0..1.
    const double phase = cycles - std::floor(cycles);
    return phase >= 1.0 ? 0.0 : phase;
}

} // namespace Tonekit
