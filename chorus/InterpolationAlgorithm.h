#pragma once
// The values are those the "Interpolation" choice stores; the signal path tests only for LINEAR and
// treats every other value as CUBIC.

namespace tolvanchorus {

enum InterpolationAlgorithm {
    InterpolationAlgorithm_CUBIC = 0,
    InterpolationAlgorithm_LINEAR = 1,
};

} // namespace tolvanchorus
