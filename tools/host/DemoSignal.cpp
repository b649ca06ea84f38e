#include "tools/host/DemoSignal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvanhost {

namespace {

constexpr int chord_keys[] = {45, 52, 57, 60, 64, 71}; // A2 E3 A3 C4 E4 B4
constexpr double detune_cents = 7.0;
constexpr double strum_seconds = 0.035;
constexpr double attack_seconds = 0.02;
constexpr double decay_seconds = 0.3;
constexpr double sustain_level = 0.7;
constexpr double release_seconds = 1.0;
constexpr double voice_gain = 0.04;
// Partials stop below this or below 45 % of the rate, whichever is lower.
constexpr double band_limit_hz = 16000.0;

} // namespace

DemoSignal::DemoSignal(int a_sample_rate)
    : m_rate(static_cast<double>(a_sample_rate)),
      m_frames(static_cast<std::int64_t>(std::llround(length_seconds * a_sample_rate))) {
    const double limit = std::min(band_limit_hz, 0.45 * m_rate);
    const int notes = static_cast<int>(std::size(chord_keys));
    for (int note = 0; note < notes; ++note) {
        const double hz = 440.0 * std::pow(2.0, (chord_keys[note] - 69) / 12.0);
        for (int side = 0; side < 2; ++side) {
            const double cents = side == 0 ? -detune_cents : detune_cents;
            const double voice_hz = hz * std::pow(2.0, cents / 1200.0);
            // Lower notes lean left, higher right; the detuned pair sits apart around that.
            const double pan = std::clamp(
                (2.0 * note / (notes - 1) - 1.0) * 0.6 + (side == 0 ? -0.3 : 0.3), -1.0, 1.0);
            const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
            Voice voice;
            voice.m_increment = 2.0 * std::numbers::pi * voice_hz / m_rate;
            // Golden-ratio start phases keep the voices from adding up into one spike.
            const double spread = 0.618033988749895 * (2 * note + side);
            voice.m_phase = 2.0 * std::numbers::pi * (spread - std::floor(spread));
            voice.m_harmonics = std::max(1, static_cast<int>(limit / voice_hz));
            voice.m_left_gain = voice_gain * std::cos(angle);
            voice.m_right_gain = voice_gain * std::sin(angle);
            voice.m_start = std::llround(strum_seconds * note * m_rate);
            m_voices.push_back(voice);
        }
    }
}

double DemoSignal::p_envelope(std::int64_t a_frame, std::int64_t a_start) const {
    if (a_frame < a_start || a_frame >= m_frames) {
        return 0.0;
    }
    const double age = static_cast<double>(a_frame - a_start) / m_rate;
    double level = 0.0;
    if (age < attack_seconds) {
        level = 0.5 - 0.5 * std::cos(std::numbers::pi * age / attack_seconds);
    } else {
        const double decay = (age - attack_seconds) / decay_seconds;
        level = sustain_level + (1.0 - sustain_level) * std::exp(-3.0 * decay);
    }
    const double left = static_cast<double>(m_frames - a_frame) / m_rate;
    if (left < release_seconds) {
        level *= 0.5 - 0.5 * std::cos(std::numbers::pi * left / release_seconds);
    }
    return level;
}

void DemoSignal::read(float* a_left, float* a_right, int a_count) {
    for (int i = 0; i < a_count; ++i) {
        const std::int64_t frame = m_position + i;
        double left = 0.0;
        double right = 0.0;
        for (Voice& voice : m_voices) {
            const double envelope = p_envelope(frame, voice.m_start);
            if (envelope > 0.0) {
                // sin(k x) by the Chebyshev recurrence: one sin/cos pair per voice and frame
                // instead of one per partial.
                const double s1 = std::sin(voice.m_phase);
                const double twice_cos = 2.0 * std::cos(voice.m_phase);
                double previous = 0.0;
                double current = s1;
                double saw = s1;
                for (int k = 2; k <= voice.m_harmonics; ++k) {
                    const double next = twice_cos * current - previous;
                    previous = current;
                    current = next;
                    saw += next / k;
                }
                left += envelope * voice.m_left_gain * saw;
                right += envelope * voice.m_right_gain * saw;
            }
            voice.m_phase = std::fmod(voice.m_phase + voice.m_increment, 2.0 * std::numbers::pi);
        }
        a_left[i] = static_cast<float>(left);
        a_right[i] = static_cast<float>(right);
    }
    m_position += a_count;
}

} // namespace tolvanhost
