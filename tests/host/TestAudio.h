#pragma once
// Audio files for the render tests, through libsndfile like the host itself.

#include <string>
#include <vector>

namespace hosttest {

struct Audio {
    int m_rate = 0;
    int m_channels = 0;
    int m_format = 0;
    std::vector<float> m_samples; // interleaved

    std::size_t frames() const {
        return m_channels ? m_samples.size() / static_cast<std::size_t>(m_channels) : 0;
    }
    float at(std::size_t a_frame, int a_channel) const {
        return m_samples[a_frame * static_cast<std::size_t>(m_channels) +
                         static_cast<std::size_t>(a_channel)];
    }
};

// Throws std::runtime_error when the file cannot be read or written.
Audio read_audio(const std::string& a_path);
void write_audio(const std::string& a_path, const Audio& a_audio);

// Deterministic noise in -0.5..0.5, a_channels interleaved.
Audio noise(int a_rate, int a_channels, std::size_t a_frames, int a_format);

} // namespace hosttest
