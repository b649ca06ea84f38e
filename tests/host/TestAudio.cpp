#include "tests/host/TestAudio.h"

#include <sndfile.h>

#include <cstdint>
#include <stdexcept>

namespace hosttest {

Audio read_audio(const std::string& a_path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(a_path.c_str(), SFM_READ, &info);
    if (!file) {
        throw std::runtime_error("cannot read " + a_path + ": " + sf_strerror(nullptr));
    }
    Audio audio;
    audio.m_rate = info.samplerate;
    audio.m_channels = info.channels;
    audio.m_format = info.format;
    audio.m_samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t got = sf_readf_float(file, audio.m_samples.data(), info.frames);
    sf_close(file);
    if (got != info.frames) {
        throw std::runtime_error("short read from " + a_path);
    }
    return audio;
}

void write_audio(const std::string& a_path, const Audio& a_audio) {
    SF_INFO info{};
    info.samplerate = a_audio.m_rate;
    info.channels = a_audio.m_channels;
    info.format = a_audio.m_format;
    SNDFILE* file = sf_open(a_path.c_str(), SFM_WRITE, &info);
    if (!file) {
        throw std::runtime_error("cannot write " + a_path + ": " + sf_strerror(nullptr));
    }
    const auto frames = static_cast<sf_count_t>(a_audio.frames());
    const sf_count_t written = sf_writef_float(file, a_audio.m_samples.data(), frames);
    sf_close(file);
    if (written != frames) {
        throw std::runtime_error("short write to " + a_path);
    }
}

Audio noise(int a_rate, int a_channels, std::size_t a_frames, int a_format) {
    Audio audio;
    audio.m_rate = a_rate;
    audio.m_channels = a_channels;
    audio.m_format = a_format;
    std::uint32_t state = 0x12345678u;
    audio.m_samples.resize(a_frames * static_cast<std::size_t>(a_channels));
    for (float& sample : audio.m_samples) {
        state = state * 1664525u + 1013904223u;
        sample = static_cast<float>(state >> 8) / 16777216.0f - 0.5f;
    }
    return audio;
}

} // namespace hosttest
