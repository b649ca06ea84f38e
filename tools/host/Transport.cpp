#include "tools/host/Transport.h"

#include <cmath>

namespace tolvanhost {

Transport::Transport(const HostOptions& a_options, double a_sample_rate)
    : m_sample_rate(a_sample_rate),
      m_tempo_valid(a_options.m_tempo || !a_options.m_tempo_changes.empty() || a_options.m_play ||
                    a_options.m_ppq_start),
      m_position_valid(a_options.m_play || a_options.m_ppq_start), m_playing(a_options.m_play),
      m_ppq_start(a_options.m_ppq_start.value_or(0.0)),
      m_time_signature(a_options.m_time_signature),
      m_tempo(a_options.m_tempo.value_or(HostOptions::default_tempo), a_options.m_tempo_changes,
              a_sample_rate) {}

Vst::VstTimeInfo Transport::time_at(std::int64_t a_frame) const {
    Vst::VstTimeInfo time{};
    time.samplePos = static_cast<double>(a_frame);
    time.sampleRate = m_sample_rate;
    if (m_tempo_valid) {
        time.tempo = m_tempo.tempo_at(a_frame);
        time.flags |= Vst::kVstTempoValid;
    }
    if (m_position_valid) {
        time.ppqPos = m_ppq_start + (m_playing ? m_tempo.quarters_at(a_frame) : 0.0);
        time.flags |= Vst::kVstPpqPosValid;
    }
    if (m_playing) {
        time.flags |= Vst::kVstTransportPlaying;
    }
    if (m_time_signature) {
        time.timeSigNumerator = m_time_signature->m_numerator;
        time.timeSigDenominator = m_time_signature->m_denominator;
        time.flags |= Vst::kVstTimeSigValid;
        if (m_position_valid) {
            const double bar =
                4.0 * m_time_signature->m_numerator / m_time_signature->m_denominator;
            time.barStartPos = std::floor(time.ppqPos / bar) * bar;
            time.flags |= Vst::kVstBarsValid;
        }
    }
    return time;
}

} // namespace tolvanhost
