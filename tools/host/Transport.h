#pragma once
// The musical time a render reports through audioMasterGetTime. Only what the command line set
// is flagged valid: no time option means no tempo, --ppq alone a stopped transport at that
// position, --play a running one whose position follows the tempo map. A time signature is
// reported as given, with the start of the current bar (bars counted from position 0) whenever
// the position is.

#include "tonekit/vst/VstAbi.h"
#include "tools/host/HostOptions.h"
#include "tools/host/TempoMap.h"

#include <cstdint>
#include <optional>

namespace tolvanhost {

class Transport {
public:
    Transport(const HostOptions& a_options, double a_sample_rate);

    // The record for a block that starts at a_frame.
    Vst::VstTimeInfo time_at(std::int64_t a_frame) const;

private:
    double m_sample_rate;
    bool m_tempo_valid;
    bool m_position_valid;
    bool m_playing;
    double m_ppq_start;
    std::optional<TimeSignature> m_time_signature;
    TempoMap m_tempo;
};

} // namespace tolvanhost
