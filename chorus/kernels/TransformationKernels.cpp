#include "chorus/kernels/TransformationKernels.h"

#include "chorus/Block.h"
#include "orvo/Simd.h"

namespace tolvanchorus {

namespace kernels::scalar {

void offset(const float* const a_block, const float* const a_offset, const float* const,
            float* const a_result) {
    for (unsigned int k = 0; k < block_frames; ++k)
        a_result[k] = a_block[k] + a_offset[k];
}

void offset_scale(const float* const a_block, const float* const a_offset,
                  const float* const a_scale, float* const a_result) {
    for (unsigned int k = 0; k < block_frames; ++k)
        a_result[k] = (a_block[k] + a_offset[k]) * a_scale[k];
}

void scale(const float* const a_block, const float* const, const float* const a_scale,
           float* const a_result) {
    for (unsigned int k = 0; k < block_frames; ++k)
        a_result[k] = a_block[k] * a_scale[k];
}

void scale_offset(const float* const a_block, const float* const a_offset,
                  const float* const a_scale, float* const a_result) {
    for (unsigned int k = 0; k < block_frames; ++k)
        a_result[k] = a_block[k] * a_scale[k] + a_offset[k];
}

} // namespace kernels::scalar

namespace kernels::sse {

using namespace Orvo::Simd;

void offset(const float* const a_block, const float* const a_offset, const float* const,
            float* const a_result) {
    // x + o
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_result + k, add(load(a_block + k), load(a_offset + k)));
}

void offset_scale(const float* const a_block, const float* const a_offset,
                  const float* const a_scale, float* const a_result) {
    // (x + o) * s
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_result + k, mul(add(load(a_block + k), load(a_offset + k)), load(a_scale + k)));
}

void scale(const float* const a_block, const float* const, const float* const a_scale,
           float* const a_result) {
    // x * s
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_result + k, mul(load(a_block + k), load(a_scale + k)));
}

void scale_offset(const float* const a_block, const float* const a_offset,
                  const float* const a_scale, float* const a_result) {
    // x * s + o
    for (unsigned int k = 0; k < block_frames; k += 4)
        store(a_result + k, add(mul(load(a_block + k), load(a_scale + k)), load(a_offset + k)));
}

} // namespace kernels::sse

} // namespace tolvanchorus
