#include "chorus/kernels/PanningLawKernels.h"

#include "chorus/Block.h"
#include "orvo/Simd.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace tolvanchorus {

static_assert(std::bit_cast<std::uint32_t>(sine_cosine_correction) == 0x3F4670F2);

namespace kernels::scalar {

namespace {
float pan_position(float a_pan, float a_stereo) {
    return 0.5f + 0.5f * a_pan * a_stereo;
}

// r^2 + k (r - r^2)
float bend_towards_sine(float a_r) {
    const float squared = a_r * a_r;
    return squared + sine_cosine_correction * (a_r - squared);
}
} // namespace

void pan_linear(const float* a_pan, const float* a_stereo, float* a_gain_pair) {
    for (unsigned int k = 0; k < block_frames; ++k) {
        const float q = pan_position(a_pan[k], a_stereo[k]);
        a_gain_pair[k] = 1.0f - q;
        a_gain_pair[block_frames + k] = q;
    }
}

void pan_sine_cosine_high(const float* a_pan, const float* a_stereo, float* a_gain_pair) {
    for (unsigned int k = 0; k < block_frames; ++k) {
        const float q = pan_position(a_pan[k], a_stereo[k]);
        a_gain_pair[k] = bend_towards_sine(1.0f - q * q);
        a_gain_pair[block_frames + k] = bend_towards_sine(q * (2.0f - q));
    }
}

void pan_sine_cosine_low(const float* a_pan, const float* a_stereo, float* a_gain_pair) {
    for (unsigned int k = 0; k < block_frames; ++k) {
        const float q = pan_position(a_pan[k], a_stereo[k]);
        a_gain_pair[k] = 1.0f - q * q;
        a_gain_pair[block_frames + k] = q * (2.0f - q);
    }
}

void pan_square_root(const float* a_pan, const float* a_stereo, float* a_gain_pair) {
    for (unsigned int k = 0; k < block_frames; ++k) {
        const float q = pan_position(a_pan[k], a_stereo[k]);
        a_gain_pair[k] = std::sqrt(1.0f - q);
        a_gain_pair[block_frames + k] = std::sqrt(q);
    }
}

} // namespace kernels::scalar

namespace kernels::sse {

using namespace Orvo::Simd;

namespace {
// q = 0.5 + 0.5 * pan * w
Float4 pan_position(const float* a_pan, const float* a_stereo) {
    const Float4 half = set1(0.5f);
    return add(half, mul(mul(half, load(a_pan)), load(a_stereo)));
}

// r^2 + k (r - r^2)
Float4 bend_towards_sine(Float4 a_r) {
    const Float4 squared = mul(a_r, a_r);
    return add(squared, mul(set1(sine_cosine_correction), sub(a_r, squared)));
}
} // namespace

void pan_linear(const float* a_pan, const float* a_stereo, float* a_gain_pair) {
    for (unsigned int k = 0; k < block_frames; k += 4) {
        const Float4 q = pan_position(a_pan + k, a_stereo + k);
        store(a_gain_pair + k, sub(set1(1.0f), q));
        store(a_gain_pair + block_frames + k, q);
    }
}

void pan_sine_cosine_high(const float* a_pan, const float* a_stereo, float* a_gain_pair) {
    for (unsigned int k = 0; k < block_frames; k += 4) {
        const Float4 q = pan_position(a_pan + k, a_stereo + k);
        store(a_gain_pair + k, bend_towards_sine(sub(set1(1.0f), mul(q, q))));
        store(a_gain_pair + block_frames + k, bend_towards_sine(mul(q, sub(set1(2.0f), q))));
    }
}

void pan_sine_cosine_low(const float* a_pan, const float* a_stereo, float* a_gain_pair) {
    for (unsigned int k = 0; k < block_frames; k += 4) {
        const Float4 q = pan_position(a_pan + k, a_stereo + k);
        store(a_gain_pair + k, sub(set1(1.0f), mul(q, q)));
        store(a_gain_pair + block_frames + k, mul(q, sub(set1(2.0f), q)));
    }
}

void pan_square_root(const float* a_pan, const float* a_stereo, float* a_gain_pair) {
    for (unsigned int k = 0; k < block_frames; k += 4) {
        const Float4 q = pan_position(a_pan + k, a_stereo + k);
        store(a_gain_pair + k, sqrt(sub(set1(1.0f), q)));
        store(a_gain_pair + block_frames + k, sqrt(q));
    }
}

} // namespace kernels::sse

} // namespace tolvanchorus
