#pragma once
// The render's output: a 32-bit float WAV file, written to a temporary file beside the target and
// renamed over it only when complete. A failed render therefore never leaves a truncated file
// under the requested name, and the output may safely name the input file.

#include <sndfile.h>

#include <string>
#include <vector>

namespace tolvanhost {

class AudioFileWriter {
public:
    // Throws HostError::runtime when the temporary file cannot be created.
    AudioFileWriter(const std::string& a_path, int a_channels, int a_sample_rate);
    // Removes the temporary file unless commit() succeeded.
    ~AudioFileWriter();
    AudioFileWriter(const AudioFileWriter&) = delete;
    AudioFileWriter& operator=(const AudioFileWriter&) = delete;

    // a_channels[c] holds a_count frames of channel c.
    void write(const std::vector<float*>& a_channels, int a_count);

    // Closes the file and moves it to its name.
    void commit();

private:
    [[noreturn]] void p_fail(const std::string& a_reason);

    std::string m_path;
    std::string m_temporary_path;
    SNDFILE* m_file = nullptr;
    int m_channels;
    std::vector<float> m_interleaved;
};

} // namespace tolvanhost
