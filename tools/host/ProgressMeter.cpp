#include "tools/host/ProgressMeter.h"

namespace tolvanhost {

ProgressMeter::ProgressMeter(std::int64_t a_total_frames, double a_sample_rate, bool a_enabled,
                             std::FILE* a_stream)
    : m_total(a_total_frames),
      m_enabled(a_enabled && a_total_frames > 0 &&
                static_cast<double>(a_total_frames) > min_seconds * a_sample_rate),
      m_stream(a_stream) {}

void ProgressMeter::update(std::int64_t a_done_frames) {
    if (!m_enabled) {
        return;
    }
    const int percent = static_cast<int>(a_done_frames * 100 / m_total);
    if (percent != m_shown) {
        m_shown = percent;
        std::fprintf(m_stream, "\rRendering %d%%", percent);
        std::fflush(m_stream);
    }
}

void ProgressMeter::finish() {
    if (m_shown >= 0) {
        std::fputc('\n', m_stream);
        std::fflush(m_stream);
        m_shown = -1;
    }
}

} // namespace tolvanhost
