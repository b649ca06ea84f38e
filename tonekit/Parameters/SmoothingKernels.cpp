#include "tonekit/Parameters/SmoothingKernels.h"

#include "orvo/Simd.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Tonekit::SmoothingKernels {

namespace Simd = Orvo::Simd;

void linear_coefficients(double a_step, float* a_coefficients) noexcept {
    const bool usable = std::isfinite(a_step) && a_step > 0.0;
    for (unsigned i = 0; i < 16; ++i)
        a_coefficients[i] =
            usable ? float(a_step * double(i + 1)) : std::numeric_limits<float>::infinity();
}

void geometric_coefficients(double a_ratio, double a_exponent, float* a_coefficients) noexcept {
    const bool usable =
        std::isfinite(a_ratio) && a_ratio > 1.0 && std::isfinite(a_exponent) && a_exponent > 0.0;
    for (unsigned i = 0; i < 16; ++i) {
        if (!usable) {
            a_coefficients[i] = std::numeric_limits<float>::infinity();
            continue;
        }
        // A very slow ramp over a narrow ratio can round to 1, which would never move: take the
        // smallest factor that does.
        const float factor = float(std::pow(a_ratio, a_exponent * double(i + 1)));
        a_coefficients[i] = std::max(factor, std::nextafter(1.0f, 2.0f));
    }
}

void linear_ramp_scalar(const float* a_coefficients, float a_value, float a_target,
                        float* a_lanes) noexcept {
    for (unsigned i = 0; i < 16; ++i)
        a_lanes[i] =
            min_of(max_of(a_value - a_coefficients[i], a_target), a_value + a_coefficients[i]);
}

void linear_ramp(const float* a_coefficients, float a_value, float a_target,
                 float* a_lanes) noexcept {
    const Simd::Float4 value = Simd::set1(a_value);
    const Simd::Float4 target = Simd::set1(a_target);
    for (unsigned i = 0; i < 16; i += 4) {
        const Simd::Float4 step = Simd::load(a_coefficients + i);
        // min(max(v - c, t), v + c)
        const Simd::Float4 lanes =
            Simd::min(Simd::max(Simd::sub(value, step), target), Simd::add(value, step));
        Simd::store(a_lanes + i, lanes);
    }
}

void geometric_ramp_scalar(const float* a_coefficients, float a_value, float a_target,
                           float* a_lanes) noexcept {
    for (unsigned i = 0; i < 16; ++i)
        a_lanes[i] =
            min_of(max_of(a_value / a_coefficients[i], a_target), a_value * a_coefficients[i]);
}

void geometric_ramp(const float* a_coefficients, float a_value, float a_target,
                    float* a_lanes) noexcept {
    const Simd::Float4 value = Simd::set1(a_value);
    const Simd::Float4 target = Simd::set1(a_target);
    for (unsigned i = 0; i < 16; i += 4) {
        const Simd::Float4 factor = Simd::load(a_coefficients + i);
        // min(max(v / c, t), v * c)
        const Simd::Float4 lanes =
            Simd::min(Simd::max(Simd::div(value, factor), target), Simd::mul(value, factor));
        Simd::store(a_lanes + i, lanes);
    }
}

} // namespace Tonekit::SmoothingKernels
