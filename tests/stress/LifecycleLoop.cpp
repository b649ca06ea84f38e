#include "LifecycleLoop.h"

#include "StressHost.h"

#include "orvo/Platform/ResidentMemory.h"

#include <cstdio>
#include <vector>

namespace Stress {

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
    const long start = Orvo::resident_memory_bytes();
    long warm = start;
    for (std::size_t i = 0; i < m_instances; ++i) {
        if (!p_cycle()) {
            std::fprintf(stderr, "stress: FAILED: instance %zu could not be opened\n", i + 1);
            return false;
        }
        if (i + 1 == warm_up_instances)
            warm = Orvo::resident_memory_bytes();
    }
    const long end = Orvo::resident_memory_bytes();
    const long growth = end - warm;
    std::printf("stress: %zu instances opened and closed; resident memory %.1f MB at the start, "
                "%.1f MB after %zu, %.1f MB at the end (%+.2f MB)\n",
                m_instances, double(start) / 1048576.0, double(warm) / 1048576.0, warm_up_instances,
                double(end) / 1048576.0, double(growth) / 1048576.0);
    if (!Orvo::resident_memory_is_meaningful) {
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
