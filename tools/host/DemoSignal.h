#pragma once
// The render's input when no file is given: four seconds of a strummed A minor (add 9) chord,
// each note two detuned band-limited saws spread across the stereo field. Rich in harmonics and
// beating, so a chorus has something to work on, and computed from the sample rate alone, so two
// renders at one rate are identical to the bit.

#include "tools/host/AudioSource.h"

#include <vector>

namespace tolvanhost {

class DemoSignal : public AudioSource {
public:
    static constexpr double length_seconds = 4.0;

    explicit DemoSignal(int a_sample_rate);

    std::int64_t frames() const override { return m_frames; }
    int sample_rate() const override { return 0; }
    void read(float* a_left, float* a_right, int a_count) override;

private:
    struct Voice {
        double m_increment = 0.0; // radians per frame
        double m_phase = 0.0;
        int m_harmonics = 1; // every partial stays below the band limit
        double m_left_gain = 0.0;
        double m_right_gain = 0.0;
        std::int64_t m_start = 0;
    };

    double p_envelope(std::int64_t a_frame, std::int64_t a_start) const;

    double m_rate;
    std::int64_t m_frames;
    std::int64_t m_position = 0;
    std::vector<Voice> m_voices;
};

} // namespace tolvanhost
