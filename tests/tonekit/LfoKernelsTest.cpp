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

TEST(LfoPhase, WritesThePhaseBeforeEachStepAndWraps) {
    Block factor, phases;
    factor.fill(1.0f);
    factor.m[2] = 2.0f;
    phases.fill(-1.0f);
    double phase = 0.5;
    Kernels::accumulate_phase(phase, factor.m, 0.125, 6, phases.m);
    const float expected[] = {0.5f, 0.625f, 0.75f, 0.0f, 0.125f, 0.25f};
    for (unsigned i = 0; i < 6; ++i)
        EXPECT_EQ(phases.m[i], expected[i]) << i;
    for (unsigned i = 6; i < 16; ++i)
        EXPECT_EQ(phases.m[i], -1.0f) << "lanes past the frame count stay untouched";
    EXPECT_EQ(phase, 0.375);
}

TEST(LfoPhase, StepsOfAWholeCycleOrBrokenStepsKeepThePhaseInRange) {
    Block factor, phases;
    factor.fill(3.0f);
    double phase = 0.25;
    Kernels::accumulate_phase(phase, factor.m, 0.5, 16, phases.m);
    EXPECT_GE(phase, 0.0);
    EXPECT_LT(phase, 1.0);
    EXPECT_DOUBLE_EQ(phase, std::fmod(0.25 + 16 * 1.5, 1.0));

    factor.m[4] = std::numeric_limits<float>::quiet_NaN();
    phase = 0.25;
    Kernels::accumulate_phase(phase, factor.m, 0.01, 16, phases.m);
    EXPECT_EQ(phases.m[5], 0.0f) << "a NaN step restarts the cycle";
    EXPECT_GE(phase, 0.0);
    EXPECT_LT(phase, 1.0);
}

TEST(LfoPhase, OffsetsWrapIntoTheCycle) {
    std::mt19937 random(4201);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int round = 0; round < 1000; ++round) {
        Block phases, offsets, a, b, c, d;
        for (unsigned i = 0; i < 16; ++i) {
            phases.m[i] = round % 8 == 0 ? just_below_one : unit(random);
            offsets.m[i] = i == 0 ? 1.0f : unit(random);
        }
        const float shift = round % 8 == 1 ? 1.0f : unit(random);
        Kernels::offset_phases(phases.m, offsets.m, a.m);
        Kernels::offset_phases_scalar(phases.m, offsets.m, b.m);
        Kernels::shift_phases(phases.m, shift, c.m);
        Kernels::shift_phases_scalar(phases.m, shift, d.m);
        for (unsigned i = 0; i < 16; ++i) {
            ASSERT_EQ(a.m[i], b.m[i]);
            ASSERT_EQ(c.m[i], d.m[i]);
            ASSERT_TRUE(a.m[i] >= 0.0f && a.m[i] < 1.0f) << a.m[i];
            ASSERT_TRUE(c.m[i] >= 0.0f && c.m[i] < 1.0f) << c.m[i];
            const float sum = phases.m[i] + offsets.m[i];
            ASSERT_EQ(a.m[i], sum - std::floor(sum));
        }
    }
    Block phases, out;
    phases.fill(0.75f);
    Kernels::shift_phases(phases.m, 0.5f, out.m);
    EXPECT_EQ(out.m[0], 0.25f);
}

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
