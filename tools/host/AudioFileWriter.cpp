#include "tools/host/AudioFileWriter.h"
#include "tools/host/ByteFile.h"
#include "tools/host/HostError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvanhost {

AudioFileWriter::AudioFileWriter(const std::string& a_path, int a_channels, int a_sample_rate)
    : m_path(a_path), m_channels(a_channels) {
    // Found now rather than by the final rename, after the whole render.
    struct stat existing {};
    if (stat(a_path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        p_fail(std::strerror(EISDIR));
    }
    const int descriptor = ByteFile::create_beside(a_path, m_temporary_path);
    if (descriptor < 0) {
        p_fail(std::strerror(errno));
    }

    SF_INFO info{};
    info.samplerate = a_sample_rate;
    info.channels = a_channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    m_file = sf_open_fd(descriptor, SFM_WRITE, &info, SF_TRUE);
    if (!m_file) {
        // The destructor does not run for a constructor that throws.
        const std::string reason = sf_strerror(nullptr);
        close(descriptor);
        std::remove(m_temporary_path.c_str());
        p_fail(reason);
    }
    // The peak chunk carries a time stamp; without it two equal renders are equal files.
    sf_command(m_file, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
}

AudioFileWriter::~AudioFileWriter() {
    if (m_file) {
        sf_close(m_file);
    }
    if (!m_temporary_path.empty()) {
        std::remove(m_temporary_path.c_str());
    }
}

void AudioFileWriter::p_fail(const std::string& a_reason) {
    throw HostError::runtime("cannot write output " + m_path + ": " + a_reason);
}

void AudioFileWriter::write(const std::vector<float*>& a_channels, int a_count) {
    const auto channels = static_cast<std::size_t>(m_channels);
    m_interleaved.resize(static_cast<std::size_t>(a_count) * channels);
    for (int i = 0; i < a_count; ++i) {
        for (std::size_t c = 0; c < channels; ++c) {
            m_interleaved[static_cast<std::size_t>(i) * channels + c] = a_channels[c][i];
        }
    }
    if (sf_writef_float(m_file, m_interleaved.data(), a_count) != a_count) {
        p_fail(sf_strerror(m_file));
    }
}

void AudioFileWriter::commit() {
    SNDFILE* file = m_file;
    m_file = nullptr;
    const int closed = sf_close(file);
    if (closed != 0) {
        p_fail(sf_error_number(closed));
    }
    if (std::rename(m_temporary_path.c_str(), m_path.c_str()) != 0) {
        p_fail(std::strerror(errno));
    }
    m_temporary_path.clear();
}

} // namespace tolvanhost
