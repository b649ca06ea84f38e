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

float shape_at(LfoModulatorWaveform a_waveform, float a_q, float a_pwm = 0.5f) {
    Block q, pwm, out;
    q.fill(a_q);
    pwm.fill(a_pwm);
    Kernels::waveform(a_waveform)(q.m, pwm.m, out.m);
    return out.m[3];
}

// Runs a_seconds of audio through the accumulation in chunks of 16 and returns the largest
// distance between the phases it wrote and the phase computed from the sample count.
double largest_drift(double a_increment, float a_factor, double a_seconds) {
    const auto samples = static_cast<long long>(a_seconds * 48000.0);
    const double per_sample = double(a_factor) * a_increment;
    Block factor, phases;
    factor.fill(a_factor);
    double phase = 0.0;
    double worst = 0.0;
    for (long long start = 0; start < samples; start += 16) {
        Kernels::accumulate_phase(phase, factor.m, a_increment, 16, phases.m);
        // The float written is the running phase; compare the last lane of every 64th chunk and
        // the carried double of every chunk.
        const double exact_next = std::fmod(double(start + 16) * per_sample, 1.0);
        double distance = std::fabs(phase - exact_next);
        worst = std::max(worst, std::min(distance, 1.0 - distance));
        if ((start / 16) % 64 == 0) {
            const double exact_lane = std::fmod(double(start + 15) * per_sample, 1.0);
            distance = std::fabs(double(phases.m[15]) - exact_lane);
            // The float itself holds only 24 bits.
            worst = std::max(worst, std::min(distance, 1.0 - distance) - 6e-8);
        }
    }
    return worst;
}

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

TEST(LfoPhase, LongCyclesStayLockedToTheSampleCount) {
    // 256 whole notes at 60 beats per minute, slowed by a factor of 1/32, for an hour.
    const double samples_per_cycle = 256.0 * 4.0 * 60.0 * 48000.0 / 60.0;
    EXPECT_LT(largest_drift(1.0 / samples_per_cycle, 1.0f / 32.0f, 3600.0), 1e-6);
    // A short cycle sped up, wrapping many thousand times, for ten minutes.
    EXPECT_LT(largest_drift(1.0 / 48000.0, 32.0f, 600.0), 1e-6);
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

TEST(LfoWaveform, ShapePoints) {
    using namespace Tonekit;
    EXPECT_EQ(shape_at(LfoModulatorWaveform_TRIANGLE, 0.0f), 0.5f);
    EXPECT_EQ(shape_at(LfoModulatorWaveform_TRIANGLE, 0.25f), 1.0f);
    EXPECT_EQ(shape_at(LfoModulatorWaveform_TRIANGLE, 0.75f), 0.0f);
    for (auto sine :
         {LfoModulatorWaveform_SINE_LOW_PRECISION, LfoModulatorWaveform_SINE_HIGH_PRECISION}) {
        EXPECT_EQ(shape_at(sine, 0.0f), 0.5f);
        EXPECT_EQ(shape_at(sine, 0.25f), 1.0f);
        EXPECT_EQ(shape_at(sine, 0.5f), 0.5f);
        EXPECT_EQ(shape_at(sine, 0.75f), 0.0f);
    }
    EXPECT_EQ(shape_at(LfoModulatorWaveform_SQUARE, 0.0f), 1.0f);
    EXPECT_EQ(shape_at(LfoModulatorWaveform_SQUARE, std::nextafter(0.5f, 0.0f)), 1.0f);
    EXPECT_EQ(shape_at(LfoModulatorWaveform_SQUARE, 0.5f), 0.0f);
    EXPECT_EQ(shape_at(LfoModulatorWaveform_PULSE, 0.2f, 0.25f), 1.0f);
    EXPECT_EQ(shape_at(LfoModulatorWaveform_PULSE, 0.25f, 0.25f), 0.0f);
    EXPECT_EQ(shape_at(LfoModulatorWaveform_SAW, just_below_one), just_below_one);
    EXPECT_EQ(shape_at(LfoModulatorWaveform_SAW, 0.0f), 0.0f);
}

TEST(LfoWaveform, SinesFollowTheSine) {
    using namespace Tonekit;
    double low = 0.0, high = 0.0;
    for (int i = 0; i <= 4096; ++i) {
        const float q = float(i) / 4096.0f;
        const double sine = 0.5 + 0.5 * std::sin(2.0 * std::numbers::pi * q);
        low = std::max(low, std::fabs(shape_at(LfoModulatorWaveform_SINE_LOW_PRECISION, q) - sine));
        high =
            std::max(high, std::fabs(shape_at(LfoModulatorWaveform_SINE_HIGH_PRECISION, q) - sine));
    }
    EXPECT_LT(low, 0.06);
    EXPECT_LT(high, 0.001);
    EXPECT_LT(high, low / 20.0);
}

TEST(LfoWaveform, PulseWidthExtremes) {
    const auto pulse = Kernels::waveform(Tonekit::LfoModulatorWaveform_PULSE);
    Block q, pwm, out;
    for (unsigned i = 0; i < 16; ++i)
        q.m[i] = float(i) / 15.0f * just_below_one;
    pwm.fill(0.0f);
    pulse(q.m, pwm.m, out.m);
    for (float v : out.m)
        EXPECT_EQ(v, 0.0f);
    pwm.fill(1.0f);
    pulse(q.m, pwm.m, out.m);
    for (float v : out.m)
        EXPECT_EQ(v, 1.0f);
}

TEST(LfoWaveform, TableAndDiscontinuity) {
    using namespace Tonekit;
    for (unsigned value : {0u, 1u, 3u, 5u, 10u, 11u, 16u}) {
        EXPECT_EQ(Kernels::waveform(LfoModulatorWaveform(value)), nullptr) << value;
        EXPECT_EQ(Kernels::waveform_scalar(LfoModulatorWaveform(value)), nullptr) << value;
    }
    EXPECT_TRUE(Kernels::is_discontinuous(LfoModulatorWaveform_PULSE));
    EXPECT_TRUE(Kernels::is_discontinuous(LfoModulatorWaveform_SAW));
    EXPECT_TRUE(Kernels::is_discontinuous(LfoModulatorWaveform_SQUARE));
    EXPECT_FALSE(Kernels::is_discontinuous(LfoModulatorWaveform_TRIANGLE));
    EXPECT_FALSE(Kernels::is_discontinuous(LfoModulatorWaveform_SINE_LOW_PRECISION));
    EXPECT_FALSE(Kernels::is_discontinuous(LfoModulatorWaveform_SINE_HIGH_PRECISION));
}
