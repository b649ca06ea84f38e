#pragma once
// Finds where the music's grid lies inside each host block: the transport starting, and the bar
// and beat lines the song position crosses. Hosts report the position only at a block's first
// frame, so the lines inside a block are found from the tempo; the next block's report corrects
// small drift (a tempo change inside the block) without firing a line twice or losing one, and a
// jump (a loop, the user moving the play cursor) starts the grid again from the new position.
//
// Without a time signature the grid is 4/4; without a bar start bars count from position 0.

#include "tonekit/Devices/MusicalTime.h"

#include <cstdint>
#include <span>

namespace Tonekit {

class MusicalGridTracker {
public:
    enum Kind : unsigned { Kind_TRANSPORT_START = 0, Kind_BAR = 1, Kind_BEAT = 2 };
    struct Event {
        Kind m_kind = Kind_TRANSPORT_START;
        // Frames from the block's first frame.
        unsigned m_offset = 0;
    };

    // [audio-thread] Writes the block's events into a_events in frame order (at one frame: start,
    // bar, beat) and returns how many; events beyond its size are dropped.
    unsigned track(const MusicalTime& a_time, unsigned a_frames, double a_tempo,
                   double a_sample_rate, std::span<Event> a_events) noexcept;

    // The next block starts a new grid, as after a jump.
    void reset() noexcept { m_playing = false; }

private:
    struct Line {
        double m_length = 1.0;
        // Position of one line, modulo m_length.
        double m_phase = 0.0;
        double m_next = 0.0;
    };

    static void p_aim(Line& a_line, double a_position) noexcept;
    void p_cross(Line& a_line, Kind a_kind, double a_start, double a_end,
                 double a_frames_per_quarter, unsigned a_frames, std::span<Event> a_events,
                 unsigned& a_count) noexcept;

    bool m_playing = false;
    double m_expected_position = 0.0;
    Line m_bar;
    Line m_beat;
};

} // namespace Tonekit
