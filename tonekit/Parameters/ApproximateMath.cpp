#include "tonekit/Parameters/ApproximateMath.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Tonekit {

float approximate_log2(float a_value) noexcept {
    const auto bits = std::bit_cast<std::uint32_t>(a_value);
    const int exponent = int((bits >> 23) & 0xFFu) - 127;
    // The mantissa bits under the exponent of 1.0 give a float in 1..2.
    const float f = std::bit_cast<float>((bits & 0x007FFFFFu) | 0x3F800000u) - 1.0f;
    return float(exponent) +
           ((4.858449f * f + 12.6250305f) * f) / ((f + 7.7314672f) * f + 8.752012f);
}

float approximate_exp2(float a_exponent) noexcept {
    if (std::isnan(a_exponent))
        return a_exponent;
    if (a_exponent < -126.0f)
        return 0.0f;
    if (a_exponent >= 128.0f)
        return std::numeric_limits<float>::infinity();
    const float k = std::floor(a_exponent);
    const float f = a_exponent - k;
    const float mantissa = ((f + 4.7741494f) * f + 9.812954f) / (9.812954f - 2.0194023f * f);
    const float pattern = (mantissa + k + 126.0f) * 8388608.0f;
    return std::bit_cast<float>(std::uint32_t(std::int32_t(pattern)));
}

} // namespace Tonekit
