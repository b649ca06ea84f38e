// The LFO kernels: phase accumulation over long runs, phase offsets, and the six waveforms
// (shape points and the four-wide forms against their scalar twins).

#include "tonekit/Modulation/LfoKernels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

namespace Kernels = Tonekit::LfoKernels;
using Tonekit::LfoModulatorWaveform;

namespace {

struct alignas(16) Block {
    float m[16] = {};
    void fill(float a_value) { std::fill(std::begin(m), std::end(m), a_value); }
};

constexpr LfoModulatorWaveform waveforms[] = {
    Tonekit::LfoModulatorWaveform_PULSE,
    Tonekit::LfoModulatorWaveform_SAW,
    Tonekit::LfoModulatorWaveform_SINE_LOW_PRECISION,
    Tonekit::LfoModulatorWaveform_SINE_HIGH_PRECISION,
    Tonekit::LfoModulatorWaveform_SQUARE,
    Tonekit::LfoModulatorWaveform_TRIANGLE,
};

const float just_below_one = std::nextafter(1.0f, 0.0f);

} // namespace

TEST(LfoWaveform, TwinsAgreeOverTheCycle) {
    std::mt19937 random(4202);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (LfoModulatorWaveform w : waveforms) {
        const auto vector = Kernels::waveform(w);
        const auto scalar = Kernels::waveform_scalar(w);
        ASSERT_NE(vector, nullptr);
        ASSERT_NE(scalar, nullptr);
        for (int round = 0; round < 1000; ++round) {
            Block q, pwm, a, b;
            for (unsigned i = 0; i < 16; ++i) {
                q.m[i] = round == 0 ? float(i) / 16.0f : unit(random);
                pwm.m[i] = round == 1 ? float(i % 3) / 2.0f : unit(random);
            }
            q.m[15] = just_below_one;
            vector(q.m, pwm.m, a.m);
            scalar(q.m, pwm.m, b.m);
            for (unsigned i = 0; i < 16; ++i) {
                ASSERT_EQ(a.m[i], b.m[i]) << "waveform " << w << " q " << q.m[i];
                ASSERT_TRUE(a.m[i] >= 0.0f && a.m[i] <= 1.0f) << "waveform " << w;
            }
        }
    }
}
