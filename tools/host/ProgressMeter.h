#pragma once
// "\rRendering NN%" on stderr for renders long enough to wait for; short renders stay silent so
// scripts and tests see clean output.

#include <cstdint>
#include <cstdio>

namespace tolvanhost {

class ProgressMeter {
public:
    // Renders of more than this many seconds of audio show progress.
    static constexpr double min_seconds = 2.0;

    ProgressMeter(std::int64_t a_total_frames, double a_sample_rate, bool a_enabled,
                  std::FILE* a_stream = stderr);
    // Ends an open line, so that an error that stops the render starts on a line of its own.
    ~ProgressMeter() { finish(); }
    ProgressMeter(const ProgressMeter&) = delete;
    ProgressMeter& operator=(const ProgressMeter&) = delete;

    void update(std::int64_t a_done_frames);

    // Ends the line if one was started.
    void finish();

private:
    std::int64_t m_total;
    bool m_enabled;
    std::FILE* m_stream;
    int m_shown = -1;
};

} // namespace tolvanhost
