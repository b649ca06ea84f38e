#pragma once
// Where a render's input comes from: a file or the built-in demo signal. Sources are stereo; a
// mono source gives the same samples on both sides.

#include <cstdint>

namespace tolvanhost {

class AudioSource {
public:
    virtual ~AudioSource() = default;

    // Frames the source holds; the render adds its tail of silence after them.
    virtual std::int64_t frames() const = 0;

    // The source's own sample rate, or 0 when it takes whatever the render runs at.
    virtual int sample_rate() const = 0;

    // The next a_count frames, silence past the end. Throws HostError::runtime on a read error.
    virtual void read(float* a_left, float* a_right, int a_count) = 0;
};

} // namespace tolvanhost
