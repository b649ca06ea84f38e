#pragma once
// Tempo over the render's frame axis: a starting tempo and changes at given frames, constant in
// between. The song position in quarter notes is the exact integral of that curve, so a plug-in
// that follows ppqPos across blocks sees no jumps at block borders or at tempo changes.

#include "tools/host/HostOptions.h"

#include <cstdint>
#include <vector>

namespace tolvanhost {

class TempoMap {
public:
    // Changes at the same frame: the last one given wins. a_sample_rate > 0.
    TempoMap(double a_initial_bpm, const std::vector<TempoChange>& a_changes, double a_sample_rate);

    double tempo_at(std::int64_t a_frame) const;

    // Quarter notes from frame 0 to a_frame.
    double quarters_at(std::int64_t a_frame) const;

private:
    struct Segment {
        std::int64_t m_start = 0;
        double m_bpm = 0.0;
        double m_quarters = 0.0; // quarter notes before m_start
    };

    const Segment& p_segment_at(std::int64_t a_frame) const;

    std::vector<Segment> m_segments;
    double m_sample_rate;
};

} // namespace tolvanhost
