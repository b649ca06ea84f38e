#include "tools/host/TempoMap.h"

#include <algorithm>

namespace tolvanhost {

TempoMap::TempoMap(double a_initial_bpm, const std::vector<TempoChange>& a_changes,
                   double a_sample_rate)
    : m_sample_rate(a_sample_rate) {
    std::vector<TempoChange> changes = a_changes;
    std::stable_sort(changes.begin(), changes.end(),
                     [](const TempoChange& a_left, const TempoChange& a_right) {
                         return a_left.m_frame < a_right.m_frame;
                     });
    m_segments.push_back({0, a_initial_bpm, 0.0});
    for (const TempoChange& change : changes) {
        Segment& last = m_segments.back();
        if (change.m_frame == last.m_start) {
            last.m_bpm = change.m_bpm;
            continue;
        }
        const double quarters =
            last.m_quarters + static_cast<double>(change.m_frame - last.m_start) * last.m_bpm /
                                  (60.0 * m_sample_rate);
        m_segments.push_back({change.m_frame, change.m_bpm, quarters});
    }
}

const TempoMap::Segment& TempoMap::p_segment_at(std::int64_t a_frame) const {
    // The first segment starts at frame 0, so there is always one at or before a_frame >= 0.
    auto after = std::upper_bound(
        m_segments.begin(), m_segments.end(), a_frame,
        [](std::int64_t a_value, const Segment& a_segment) { return a_value < a_segment.m_start; });
    return after == m_segments.begin() ? m_segments.front() : *(after - 1);
}

double TempoMap::tempo_at(std::int64_t a_frame) const {
    return p_segment_at(a_frame).m_bpm;
}

double TempoMap::quarters_at(std::int64_t a_frame) const {
    const Segment& segment = p_segment_at(a_frame);
    return segment.m_quarters +
           static_cast<double>(a_frame - segment.m_start) * segment.m_bpm / (60.0 * m_sample_rate);
}

} // namespace tolvanhost
