#include "LifecycleLoop.h"

#include "StressHost.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace Stress {

namespace {

// A sanitizer's allocator quarantines freed memory, so resident memory says nothing about leaks
// there; its leak checker does the judging instead.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool memory_is_meaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool memory_is_meaningful = false;
#else
constexpr bool memory_is_meaningful = true;
#endif
#else
constexpr bool memory_is_meaningful = true;
#endif

} // namespace

long LifecycleLoop::resident_bytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    if (!(statm >> size >> resident))
        return -1;
    return resident * sysconf(_SC_PAGESIZE);
}

bool LifecycleLoop::p_cycle() {
    Vst::AEffect* effect = m_host.open();
    if (!effect)
        return false;
    // Enough use that every part of the state exists: audio, a chunk each way.
    std::vector<float> left(256, 0.25f), right(256, -0.25f);
    float* channels[2] = {left.data(), right.data()};
    effect->processReplacing(effect, channels, channels, 256);
    void* data = nullptr;
    const Vst::IntPtr size = StressHost::dispatch(effect, Vst::effGetChunk, 0, 0, &data);
    if (size > 0 && data) {
        std::vector<unsigned char> chunk(static_cast<unsigned char*>(data),
                                         static_cast<unsigned char*>(data) + size);
        StressHost::dispatch(effect, Vst::effSetChunk, 0, size, chunk.data());
    }
    StressHost::close(effect);
    return true;
}

bool LifecycleLoop::run() {
    const long start = resident_bytes();
    long warm = start;
    for (std::size_t i = 0; i < m_instances; ++i) {
        if (!p_cycle()) {
            std::fprintf(stderr, "stress: FAILED: instance %zu could not be opened\n", i + 1);
            return false;
        }
        if (i + 1 == warm_up_instances)
            warm = resident_bytes();
    }
    const long end = resident_bytes();
    const long growth = end - warm;
    std::printf("stress: %zu instances opened and closed; resident memory %.1f MB at the start, "
                "%.1f MB after %zu, %.1f MB at the end (%+.2f MB)\n",
                m_instances, double(start) / 1048576.0, double(warm) / 1048576.0, warm_up_instances,
                double(end) / 1048576.0, double(growth) / 1048576.0);
    if (!memory_is_meaningful) {
        std::printf("  (a sanitizer build: growth is not judged, its leak checker is)\n");
        return true;
    }
    if (m_instances > warm_up_instances && start >= 0 && end >= 0 && growth > growth_limit_bytes) {
        std::fprintf(stderr, "stress: FAILED: resident memory grew by %.1f MB after the warm-up\n",
                     double(growth) / 1048576.0);
        return false;
    }
    return true;
}

} // namespace Stress
