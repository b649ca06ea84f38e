#pragma once
// An input file read through libsndfile, a block at a time so that long files are not held in
// memory. Integer formats arrive scaled to -1..1 as libsndfile normalises them.

#include "tools/host/AudioSource.h"

#include <sndfile.h>

#include <string>
#include <vector>

namespace tolvanhost {

class AudioFileSource : public AudioSource {
public:
    // Throws HostError::runtime when the file cannot be read or has more than two channels.
    explicit AudioFileSource(const std::string& a_path);
    ~AudioFileSource() override;
    AudioFileSource(const AudioFileSource&) = delete;
    AudioFileSource& operator=(const AudioFileSource&) = delete;

    std::int64_t frames() const override { return m_info.frames; }
    int sample_rate() const override { return m_info.samplerate; }
    int channels() const { return m_info.channels; }
    void read(float* a_left, float* a_right, int a_count) override;

private:
    std::string m_path;
    SNDFILE* m_file = nullptr;
    SF_INFO m_info{};
    bool m_ended = false;
    std::vector<float> m_interleaved;
};

} // namespace tolvanhost
