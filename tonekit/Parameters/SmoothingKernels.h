#pragma once
// The ramps of the 16-lane smoothers: from the current value v towards the target t, lane i holds
// the value after i + 1 frames, never past t. c is the smoother's coefficient block (16 floats,
// 16-byte aligned), c[i] the step for i + 1 frames; lanes is 16 floats, 16-byte aligned.
//
// Each ramp exists as a plain scalar loop, the reference, and as the four-wide form the smoothers
// run. Both give bit-identical lanes for every input, NaN included: min and max are written the way
// the vector instructions order their operands (see orvo/Simd.h).

namespace Tonekit::SmoothingKernels {

// lane i = min(max(v - c[i], t), v + c[i])
void linear_ramp_scalar(const float* a_coefficients, float a_value, float a_target,
                        float* a_lanes) noexcept;
void linear_ramp(const float* a_coefficients, float a_value, float a_target,
                 float* a_lanes) noexcept;

// lane i = min(max(v / c[i], t), v * c[i]); c[i] > 1 and v, t > 0.
void geometric_ramp_scalar(const float* a_coefficients, float a_value, float a_target,
                           float* a_lanes) noexcept;
void geometric_ramp(const float* a_coefficients, float a_value, float a_target,
                    float* a_lanes) noexcept;

// c[i] = a_step x (i + 1): a linear ramp that moves a_step per frame. A step that is not a finite
// positive number gives infinite coefficients, which land on the target at once instead of
// leaving a smoother that never arrives (or produces NaN).
void linear_coefficients(double a_step, float* a_coefficients) noexcept;
// c[i] = a_ratio^(a_exponent x (i + 1)): a geometric ramp that multiplies by a_ratio^a_exponent
// per frame. A ratio that is not above 1 (or not finite) gives infinite coefficients, as above.
void geometric_coefficients(double a_ratio, double a_exponent, float* a_coefficients) noexcept;

// The single-lane kinds' step: the same clamps, one value.
inline float min_of(float a_left, float a_right) noexcept {
    return a_left < a_right ? a_left : a_right;
}
inline float max_of(float a_left, float a_right) noexcept {
    return a_left > a_right ? a_left : a_right;
}

} // namespace Tonekit::SmoothingKernels
