#pragma once
// Delay and depth transformations: a voice's delay or depth block x combined, lane by lane, with
// the effect's offset block o and scale block s. "None" is a null pointer where a transformation is
// stored; pass_through stands in for it inside the signal path so that the block loop calls a
// kernel without testing for null.
//
//   offset         x + o
//   offset_scale   (x + o) * s
//   scale          x * s
//   scale_offset   x * s + o
//
// All pointers address 16-lane aligned blocks; result may be the same block as any input.

namespace tolvanchorus {

using TransformationFunction = void (*)(const float* const a_block, const float* const a_offset,
                                        const float* const a_scale, float* const a_result);

namespace kernels::scalar {
void offset(const float* const a_block, const float* const a_offset, const float* const a_scale,
            float* const a_result);
void offset_scale(const float* const a_block, const float* const a_offset,
                  const float* const a_scale, float* const a_result);
void scale(const float* const a_block, const float* const a_offset, const float* const a_scale,
           float* const a_result);
void scale_offset(const float* const a_block, const float* const a_offset,
                  const float* const a_scale, float* const a_result);
} // namespace kernels::scalar

namespace kernels::sse {
void offset(const float* const a_block, const float* const a_offset, const float* const a_scale,
            float* const a_result);
void offset_scale(const float* const a_block, const float* const a_offset,
                  const float* const a_scale, float* const a_result);
void scale(const float* const a_block, const float* const a_offset, const float* const a_scale,
           float* const a_result);
void scale_offset(const float* const a_block, const float* const a_offset,
                  const float* const a_scale, float* const a_result);
} // namespace kernels::sse

} // namespace tolvanchorus
