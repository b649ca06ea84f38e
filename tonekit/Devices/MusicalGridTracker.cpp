#include "tonekit/Devices/MusicalGridTracker.h"

#include <cmath>

namespace Tonekit {
namespace {

// Hosts compute positions in double from sample counts; differences this small are rounding.
constexpr double position_tolerance = 1e-6;

bool is_positive(double a_value) noexcept {
    return a_value > 0.0 && std::isfinite(a_value);
}

double wrap(double a_value, double a_length) noexcept {
    const double wrapped = a_value - std::floor(a_value / a_length) * a_length;
    return wrapped >= a_length ? 0.0 : wrapped;
}

double circular_distance(double a_first, double a_second, double a_length) noexcept {
    const double distance = std::fabs(a_first - a_second);
    return std::fmin(distance, a_length - distance);
}

// A signature the grid can use: a positive numerator and a power-of-two note value.
bool is_usable_signature(const MusicalTime& a_time) noexcept {
    const int denominator = a_time.m_denominator;
    return a_time.m_time_signature_valid && a_time.m_numerator > 0 && a_time.m_numerator <= 256 &&
           denominator > 0 && denominator <= 128 && (denominator & (denominator - 1)) == 0;
}

void insert_sorted(MusicalGridTracker::Event a_event, std::span<MusicalGridTracker::Event> a_events,
                   unsigned& a_count) noexcept {
    if (a_count >= a_events.size())
        return;
    unsigned position = a_count;
    while (position > 0 && (a_events[position - 1].m_offset > a_event.m_offset ||
                            (a_events[position - 1].m_offset == a_event.m_offset &&
                             a_events[position - 1].m_kind > a_event.m_kind))) {
        a_events[position] = a_events[position - 1];
        --position;
    }
    a_events[position] = a_event;
    ++a_count;
}

} // namespace

void MusicalGridTracker::p_aim(Line& a_line, double a_position) noexcept {
    const double index = std::ceil((a_position - a_line.m_phase) / a_line.m_length - 1e-9);
    a_line.m_next = a_line.m_phase + index * a_line.m_length;
}

void MusicalGridTracker::p_cross(Line& a_line, Kind a_kind, double a_start, double a_end,
                                 double a_frames_per_quarter, unsigned a_frames,
                                 std::span<Event> a_events, unsigned& a_count) noexcept {
    while (a_line.m_next < a_end) {
        if (a_count >= a_events.size()) {
            // Nowhere to put the rest of this block's lines; the grid goes on after them.
            p_aim(a_line, a_end);
            return;
        }
        const double frames = (a_line.m_next - a_start) * a_frames_per_quarter;
        double offset = std::ceil(frames - 1e-6);
        if (offset < 0.0)
            offset = 0.0;
        if (offset > double(a_frames - 1))
            offset = double(a_frames - 1);
        insert_sorted({a_kind, unsigned(offset)}, a_events, a_count);
        // From the line's index, so that many lines add up no rounding.
        const double index = std::round((a_line.m_next - a_line.m_phase) / a_line.m_length) + 1.0;
        a_line.m_next = a_line.m_phase + index * a_line.m_length;
    }
}

unsigned MusicalGridTracker::track(const MusicalTime& a_time, unsigned a_frames, double a_tempo,
                                   double a_sample_rate, std::span<Event> a_events) noexcept {
    unsigned count = 0;
    if (!a_time.m_playing || !a_time.m_position_valid || !std::isfinite(a_time.m_position)) {
        m_playing = false;
        return 0;
    }
    const bool started = !m_playing;
    m_playing = true;
    if (started)
        insert_sorted({Kind_TRANSPORT_START, 0}, a_events, count);
    if (!is_positive(a_tempo) || !is_positive(a_sample_rate)) {
        // No way to tell where the lines fall; start the grid afresh once there is.
        m_playing = false;
        return count;
    }

    double beat_length = 1.0;
    double bar_length = 4.0;
    if (is_usable_signature(a_time)) {
        beat_length = 4.0 / double(a_time.m_denominator);
        bar_length = double(a_time.m_numerator) * beat_length;
    }
    const double origin =
        a_time.m_bar_start_valid && std::isfinite(a_time.m_bar_start) ? a_time.m_bar_start : 0.0;
    const double bar_phase = wrap(origin, bar_length);
    const double beat_phase = wrap(origin, beat_length);

    const double frames_per_quarter = 60.0 * a_sample_rate / a_tempo;
    const double start = a_time.m_position;
    const double end = start + double(a_frames) / frames_per_quarter;

    const bool grid_changed =
        bar_length != m_bar.m_length || beat_length != m_beat.m_length ||
        circular_distance(bar_phase, m_bar.m_phase, bar_length) > position_tolerance;
    // Behind the expected position is a jump back (a loop); a little ahead is a tempo change
    // inside the last block, whose passed lines still fire, at the block's first frame.
    const bool jumped = start < m_expected_position - position_tolerance ||
                        start > m_expected_position + 0.5 * beat_length;
    m_bar.m_length = bar_length;
    m_bar.m_phase = bar_phase;
    m_beat.m_length = beat_length;
    m_beat.m_phase = beat_phase;
    if (started || grid_changed || jumped) {
        p_aim(m_bar, start);
        p_aim(m_beat, start);
    }
    p_cross(m_bar, Kind_BAR, start, end, frames_per_quarter, a_frames, a_events, count);
    p_cross(m_beat, Kind_BEAT, start, end, frames_per_quarter, a_frames, a_events, count);
    m_expected_position = end;
    return count;
}

} // namespace Tonekit
