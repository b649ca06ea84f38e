// The plain forms of the LFO kernels: the reference of the four-wide ones.

#include "tonekit/Modulation/LfoKernels.h"
#include "tonekit/Modulation/LfoKernels_Shared.h"

#include <cmath>

namespace Tonekit::LfoKernels {

namespace {

template <float (*Shape)(float, float)>
void shape(const float* a_q, const float* a_pwm, float* a_out) noexcept {
    for (unsigned i = 0; i < block_size; ++i)
        a_out[i] = Shape(a_q[i], a_pwm ? a_pwm[i] : 0.0f);
}

float pulse(float q, float w) {
    return q < w ? 1.0f : 0.0f;
}
float saw(float q, float) {
    return q;
}
float square(float q, float) {
    return q < 0.5f ? 1.0f : 0.0f;
}
float triangle(float q, float) {
    return std::fabs(std::fabs(2.0f * q - 0.5f) - 1.0f);
}
float sine_low_precision(float q, float) {
    const float x = 2.0f * q - 1.0f;
    return 0.5f + 2.0f * x * (std::fabs(x) - 1.0f);
}
float sine_high_precision(float q, float) {
    const float x = 2.0f * q - 1.0f;
    const float y = -4.0f * x * (std::fabs(x) - 1.0f);
    const float refined = y + 0.2248391f * (y * std::fabs(y) - y);
    return 0.5f - 0.5f * refined;
}

} // namespace

void offset_phases_scalar(const float* a_phases, const float* a_offsets, float* a_out) noexcept {
    for (unsigned i = 0; i < block_size; ++i) {
        const float sum = a_phases[i] + a_offsets[i];
        a_out[i] = sum - std::floor(sum);
    }
}

void shift_phases_scalar(const float* a_phases, float a_offset, float* a_out) noexcept {
    for (unsigned i = 0; i < block_size; ++i) {
        const float sum = a_phases[i] + a_offset;
        a_out[i] = sum - std::floor(sum);
    }
}

Waveform waveform_scalar(LfoModulatorWaveform a_waveform) noexcept {
    static constexpr Waveform table[] = {
        shape<pulse>,  shape<saw>,      shape<sine_low_precision>, shape<sine_high_precision>,
        shape<square>, shape<triangle>,
    };
    return pick_waveform(table, a_waveform);
}

} // namespace Tonekit::LfoKernels
