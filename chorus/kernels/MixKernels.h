#pragma once
// Summing and gain stages around the delay lines. Gain pairs and the wet pair are two consecutive
// blocks (left lanes 0..15, right lanes 16..31), as the panning-law kernels write them.
//
//   pan_sum         v = left * gL + right * gR               (two-buffer voice signal)
//   pan_sum_scaled  v = (left * gL + right * gR) * gain       (eight-buffer voice input)
//   accumulate      wetL += v * gain * oL; wetR += v * gain * oR
//   mix             out = (wet * wet_level + in * dry) * global_gain
//
// All blocks are 16 lanes, 16-byte aligned.

namespace tolvanchorus {

namespace kernels::scalar {
void pan_sum(const float* a_left, const float* a_right, const float* a_gain_pair, float* a_result);
void pan_sum_scaled(const float* a_left, const float* a_right, const float* a_gain_pair,
                    const float* a_gain, float* a_result);
void accumulate(const float* a_voice, const float* a_gain, const float* a_gain_pair,
                float* a_wet_pair);
void mix(const float* a_wet, const float* a_input, const float* a_wet_level, const float* a_dry,
         const float* a_global_gain, float* a_result);
} // namespace kernels::scalar

namespace kernels::sse {
void pan_sum(const float* a_left, const float* a_right, const float* a_gain_pair, float* a_result);
void pan_sum_scaled(const float* a_left, const float* a_right, const float* a_gain_pair,
                    const float* a_gain, float* a_result);
void accumulate(const float* a_voice, const float* a_gain, const float* a_gain_pair,
                float* a_wet_pair);
void mix(const float* a_wet, const float* a_input, const float* a_wet_level, const float* a_dry,
         const float* a_global_gain, float* a_result);
} // namespace kernels::sse

} // namespace tolvanchorus
