#include "chorus/kernels/MixKernels.h"

#include "chorus/Block.h"
#include "chorus/kernels/GroupKernels.h"
#include "orvo/Simd.h"

namespace tolvanchorus {

namespace kernels::scalar {

void pan_sum(const float* a_left, const float* a_right, const float* a_gain_pair, float* a_result) {
    for (unsigned int k = 0; k < block_frames; ++k)
        a_result[k] = a_left[k] * a_gain_pair[k] + a_right[k] * a_gain_pair[block_frames + k];
}

void pan_sum_scaled(const float* a_left, const float* a_right, const float* a_gain_pair,
                    const float* a_gain, float* a_result) {
    for (unsigned int k = 0; k < block_frames; ++k)
        a_result[k] =
            (a_left[k] * a_gain_pair[k] + a_right[k] * a_gain_pair[block_frames + k]) * a_gain[k];
}

void accumulate(const float* a_voice, const float* a_gain, const float* a_gain_pair,
                float* a_wet_pair) {
    for (unsigned int k = 0; k < block_frames; ++k) {
        const float v = a_voice[k] * a_gain[k];
        a_wet_pair[k] += v * a_gain_pair[k];
        a_wet_pair[block_frames + k] += v * a_gain_pair[block_frames + k];
    }
}

void mix(const float* a_wet, const float* a_input, const float* a_wet_level, const float* a_dry,
         const float* a_global_gain, float* a_result) {
    for (unsigned int k = 0; k < block_frames; ++k)
        a_result[k] = (a_wet[k] * a_wet_level[k] + a_input[k] * a_dry[k]) * a_global_gain[k];
}

} // namespace kernels::scalar

namespace kernels::sse {

using namespace Orvo::Simd;

void pan_sum(const float* a_left, const float* a_right, const float* a_gain_pair, float* a_result) {
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_result + k,
              groups::pan_sum(load(a_left + k), load(a_right + k), load(a_gain_pair + k),
                              load(a_gain_pair + block_frames + k)));
}

void pan_sum_scaled(const float* a_left, const float* a_right, const float* a_gain_pair,
                    const float* a_gain, float* a_result) {
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_result + k,
              groups::pan_sum_scaled(load(a_left + k), load(a_right + k), load(a_gain_pair + k),
                                     load(a_gain_pair + block_frames + k), load(a_gain + k)));
}

void accumulate(const float* a_voice, const float* a_gain, const float* a_gain_pair,
                float* a_wet_pair) {
    for (unsigned int k = 0; k < block_frames; k += 4)
        groups::accumulate(load(a_voice + k), load(a_gain + k), load(a_gain_pair + k),
                           load(a_gain_pair + block_frames + k), a_wet_pair + k,
                           a_wet_pair + block_frames + k);
}

void mix(const float* a_wet, const float* a_input, const float* a_wet_level, const float* a_dry,
         const float* a_global_gain, float* a_result) {
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_result + k, groups::mix(load(a_wet + k), load(a_input + k), load(a_wet_level + k),
                                        load(a_dry + k), load(a_global_gain + k)));
}

} // namespace kernels::sse

} // namespace tolvanchorus
