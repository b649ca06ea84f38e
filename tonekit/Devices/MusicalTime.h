#pragma once

namespace Tonekit {

// The host's transport at the first frame of a host block, as far as the host reported it.
struct MusicalTime {
    bool m_playing = false;
    bool m_position_valid = false;
    // Song position in quarter notes.
    double m_position = 0.0;
    bool m_time_signature_valid = false;
    int m_numerator = 4;
    int m_denominator = 4;
    // Song position of the current bar's first beat, in quarter notes.
    bool m_bar_start_valid = false;
    double m_bar_start = 0.0;
};

} // namespace Tonekit
