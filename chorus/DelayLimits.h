#pragma once
// The range a voice's read position is clamped to, in frames. Each bound is replicated over four
// lanes so that a kernel loads it as one vector.

namespace tolvanchorus {

struct DelayLimits {
    alignas(16) float minimum[4] = {};
    alignas(16) float maximum[4] = {};

    void set(float a_minimum, float a_maximum) noexcept {
        for (unsigned int lane = 0; lane < 4; ++lane) {
            minimum[lane] = a_minimum;
            maximum[lane] = a_maximum;
        }
    }
};

} // namespace tolvanchorus
