#include "tools/host/AudioFileSource.h"
#include "tools/host/HostError.h"

#include <algorithm>

namespace tolvanhost {

AudioFileSource::AudioFileSource(const std::string& a_path) : m_path(a_path) {
    m_file = sf_open(a_path.c_str(), SFM_READ, &m_info);
    if (!m_file) {
        throw HostError::runtime("cannot read input " + a_path + ": " + sf_strerror(nullptr));
    }
    if (m_info.channels < 1 || m_info.channels > 2) {
        const int channels = m_info.channels;
        sf_close(m_file);
        m_file = nullptr;
        throw HostError::runtime("input " + a_path + " has " + std::to_string(channels) +
                                 " channels; only mono and stereo are supported");
    }
    if (m_info.samplerate <= 0 || m_info.frames < 0) {
        sf_close(m_file);
        m_file = nullptr;
        throw HostError::runtime("input " + a_path + " has no valid sample rate or length");
    }
}

AudioFileSource::~AudioFileSource() {
    if (m_file) {
        sf_close(m_file);
    }
}

void AudioFileSource::read(float* a_left, float* a_right, int a_count) {
    int done = 0;
    if (!m_ended) {
        const auto channels = static_cast<std::size_t>(m_info.channels);
        m_interleaved.resize(static_cast<std::size_t>(a_count) * channels);
        const sf_count_t got = sf_readf_float(m_file, m_interleaved.data(), a_count);
        if (got < a_count) {
            if (sf_error(m_file) != SF_ERR_NO_ERROR) {
                throw HostError::runtime("cannot read input " + m_path + ": " +
                                         sf_strerror(m_file));
            }
            m_ended = true;
        }
        done = static_cast<int>(std::max<sf_count_t>(got, 0));
        for (int i = 0; i < done; ++i) {
            const std::size_t base = static_cast<std::size_t>(i) * channels;
            a_left[i] = m_interleaved[base];
            a_right[i] = m_interleaved[base + channels - 1];
        }
    }
    std::fill(a_left + done, a_left + a_count, 0.0f);
    std::fill(a_right + done, a_right + a_count, 0.0f);
}

} // namespace tolvanhost
