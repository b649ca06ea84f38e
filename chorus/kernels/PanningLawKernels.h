#pragma once
// Panning laws: from a pan block (-1..1) and a stereo-width block (0..1) to a (left, right) gain
// pair, written as two consecutive blocks (left lanes 0..15, right lanes 16..31). Every law first
// forms q = 0.5 + 0.5 * pan * w, so a width of 0 gives the centre gains whatever the pan.
//
//   linear            -6 dB at the centre     left 1 - q                right q
//   sine_cosine_high  -3 dB, constant power   left r^2 + k (r - r^2)    right t^2 + k (t - t^2)
//   sine_cosine_low   -3 dB, rough            left r = 1 - q^2          right t = q (2 - q)
//   square_root       -3 dB, constant power   left sqrt(1 - q)          right sqrt(q)
//
// The "low" law is a parabola through the ends of the quarter sine; the "high" law bends it
// towards the sine with k = 0.775160909 (centre gain 0.7078 against sin(pi/4) = 0.7071) for the
// cost of four more operations per side. Gains at the centre: 0.5, 0.7078, 0.75, 0.7071.

namespace tolvanchorus {

using PanningLawFunction = void (*)(const float* a_pan, const float* a_stereo, float* a_gain_pair);

inline constexpr float sine_cosine_correction = 0.775160909f; // bits 0x3F4670F2

namespace kernels::scalar {
void pan_linear(const float* a_pan, const float* a_stereo, float* a_gain_pair);
void pan_sine_cosine_high(const float* a_pan, const float* a_stereo, float* a_gain_pair);
void pan_sine_cosine_low(const float* a_pan, const float* a_stereo, float* a_gain_pair);
void pan_square_root(const float* a_pan, const float* a_stereo, float* a_gain_pair);
} // namespace kernels::scalar

namespace kernels::sse {
void pan_linear(const float* a_pan, const float* a_stereo, float* a_gain_pair);
void pan_sine_cosine_high(const float* a_pan, const float* a_stereo, float* a_gain_pair);
void pan_sine_cosine_low(const float* a_pan, const float* a_stereo, float* a_gain_pair);
void pan_square_root(const float* a_pan, const float* a_stereo, float* a_gain_pair);
} // namespace kernels::sse

} // namespace tolvanchorus
