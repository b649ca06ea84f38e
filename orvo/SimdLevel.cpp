#include "orvo/SimdLevel.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace Orvo::Simd {
namespace {

Level detect() noexcept {
    const char* forced = std::getenv("TOLVAN_SIMD");
    if (forced && std::strcmp(forced, "sse2") == 0)
        return Level_SSE2;
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? Level_AVX2 : Level_SSE2;
}

// Initialised while the module loads, before any thread can process.
const Level supported = detect();
std::atomic<unsigned> current{supported};

} // namespace

Level supported_level() noexcept {
    return supported;
}

Level level() noexcept {
    return Level(current.load(std::memory_order_relaxed));
}

Level use_level(Level a_level) noexcept {
    const Level level = a_level <= supported ? a_level : supported;
    current.store(level, std::memory_order_relaxed);
    return level;
}

} // namespace Orvo::Simd
