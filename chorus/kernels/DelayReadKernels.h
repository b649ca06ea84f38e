#pragma once
// Reading a delay line at a fractional, per-frame delay.
//
// read_position: D the transformed delay, W the transformed depth, m the pitch modulation (frames,
// frames, 0..1), lo/hi the limit pair of the interpolation in use:
//   a = min(max(D, lo), hi); b = min(max(D + W, lo), hi); p = b + (a - b) * m
//   i = p truncated toward zero; f = p - i
// At m = 0 the voice reads at D + W, at m = 1 at D; p is not clamped again, so an m outside 0..1
// may leave the limits (the tap masks still keep every read inside the line). A NaN delay or depth
// clamps to lo; a NaN or huge p gives i = INT32_MIN and a NaN fraction.
//
// tap_index: c = (P - i) & mask with P the write position of the lane; s(c) is the frame written
// i frames before the lane's own frame.
//
// interpolate_linear:  y = s(c) + (s(c-1) - s(c)) * f
// interpolate_cubic (four-point Catmull-Rom over y-1 = s(c+1), y0 = s(c), y1 = s(c-1),
// y2 = s(c-2)):
//   c1 = 0.5 (y1 - y-1); c2 = y-1 + 2 y1 - 0.5 (5 y0 + y2); c3 = 0.5 (3 (y0 - y1) - y-1 + y2)
//   y = ((c3 f + c2) f + c1) f + y0
// The cubic needs i >= 1 (its limit minimum is 1 frame) so that s(c+1) is already written.
// Every tap index is masked, so a line of mask + 1 samples is never read outside, whatever the
// inputs. Blocks are 16 lanes, 16-byte aligned; a_line need not be aligned.

#include "chorus/DelayLimits.h"

#include <cstdint>

namespace tolvanchorus {

namespace kernels::scalar {
void read_position(const float* a_delay, const float* a_depth, const float* a_modulation,
                   const DelayLimits& a_limits, std::int32_t* a_index, float* a_fraction);
void tap_index(const std::uint32_t* a_positions, const std::int32_t* a_index, std::uint32_t a_mask,
               std::uint32_t* a_tap);
void interpolate_linear(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                        const float* a_fraction, float* a_result);
void interpolate_cubic(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                       const float* a_fraction, float* a_result);
} // namespace kernels::scalar

namespace kernels::sse {
void read_position(const float* a_delay, const float* a_depth, const float* a_modulation,
                   const DelayLimits& a_limits, std::int32_t* a_index, float* a_fraction);
void tap_index(const std::uint32_t* a_positions, const std::int32_t* a_index, std::uint32_t a_mask,
               std::uint32_t* a_tap);
void interpolate_linear(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                        const float* a_fraction, float* a_result);
void interpolate_cubic(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                       const float* a_fraction, float* a_result);
} // namespace kernels::sse

} // namespace tolvanchorus
