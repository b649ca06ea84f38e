// The smoother kinds on their own: which kind a float parameter gets, how each moves per control
// block, and where each stops.

#include "ParameterTestSupport.h"
#include "SmoothingTestSupport.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Parameters/ParameterSmoother_InternalExponential1.h"
#include "tonekit/Parameters/ParameterSmoother_InternalExponentialN.h"
#include "tonekit/Parameters/ParameterSmoother_InternalLinear1.h"
#include "tonekit/Parameters/ParameterSmoother_InternalLinearN.h"
#include "tonekit/Parameters/ParameterSmoother_Normalized.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace TonekitTest;
using Tonekit::FloatParameter;
using Tonekit::FloatParameterVariation;

namespace {

class SmootherAt48k : public ::testing::Test {
protected:
    void SetUp() override {
        device.initialize();
        device.setSampleRate(48000.0f);
        ASSERT_FLOAT_EQ(device.m_smoothing_step, 1.0f / 2400.0f) << "50 ms at 48 kHz";
    }
    // One full control block.
    void block() { host.run(device, 16); }
    // Control blocks until the glide ends; -1 when it never does.
    int blocks_until_idle(Tonekit::ParameterSmoother& a_smoother, int a_limit = 100000) {
        for (int count = 1; count <= a_limit; ++count) {
            block();
            if (!a_smoother.m_enlisted)
                return count;
        }
        return -1;
    }

    TemporaryFolder folder;
    GlideDevice device{folder.path()};
    HostBlocks host{64};
};

} // namespace

TEST_F(SmootherAt48k, AFullSpanOfFiftyTakesOneHundredFiftyBlocksAndLandsExactly) {
    FloatParameter* line = device.parameter(GlideDevice::Kind_LINEAR_N);
    const float* lanes = device.block(GlideDevice::Kind_LINEAR_N).m_lanes;
    Tonekit::ParameterSmoother& smoother = *line->m_smoother;
    line->set_normalized_value(1.0f);
    block();
    ASSERT_TRUE(smoother.m_enlisted);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(lanes[i], 50.0f * float(i + 1) / 2400.0f, 1e-6f) << "lane " << i;
    EXPECT_NEAR(smoother.m_current_value, 1.0f / 3.0f, 1e-6f) << "16 x 50 / 2400 per block";

    float previous = lanes[15];
    for (int count = 2; count <= 150; ++count) {
        block();
        for (int i = 0; i < 16; ++i)
            ASSERT_LE(lanes[i], 50.0f) << "overshoot in block " << count;
        ASSERT_NEAR(lanes[15] - previous, 1.0f / 3.0f, 1e-4f) << "block " << count;
        previous = lanes[15];
    }
    // 150 steps of a float 1/3 add up to the span less the rounding of 150 additions.
    EXPECT_NEAR(smoother.m_current_value, 50.0f, 1e-4f);
    block();
    EXPECT_FALSE(smoother.m_enlisted) << "removed once arrived";
    for (float lane : device.block(GlideDevice::Kind_LINEAR_N).m_lanes)
        EXPECT_EQ(lane, 50.0f) << "lands exactly";
    EXPECT_EQ(device.active_smoothers(), 0u);
}

TEST_F(SmootherAt48k, LaneZeroDecidesWhenASixteenLaneRampIsDone) {
    FloatParameter* line = device.parameter(GlideDevice::Kind_LINEAR_N);
    const float* lanes = device.block(GlideDevice::Kind_LINEAR_N).m_lanes;
    Tonekit::ParameterSmoother& smoother = *line->m_smoother;
    // 0.1 is five frames of 50 / 2400 away: the first block reaches it in lane 4.
    line->set_normalized_value(0.1f / 50.0f);
    block();
    EXPECT_EQ(lanes[15], 0.1f);
    EXPECT_EQ(smoother.m_current_value, 0.1f);
    EXPECT_LT(lanes[0], 0.1f);
    EXPECT_TRUE(smoother.m_enlisted) << "lanes 0 to 3 still hold the ramp";
    block();
    EXPECT_FALSE(smoother.m_enlisted);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(lanes[i], 0.1f) << i;
}

TEST_F(SmootherAt48k, SingleLaneKindsMoveOncePerBlockByTheFrameCount) {
    FloatParameter* one = device.parameter(GlideDevice::Kind_LINEAR_1);
    float& lane = device.block(GlideDevice::Kind_LINEAR_1).m_lanes[0];
    const float untouched = device.block(GlideDevice::Kind_LINEAR_1).m_lanes[1];
    one->set_normalized_value(1.0f);
    block();
    EXPECT_NEAR(lane, 16.0f * 50.0f / 2400.0f, 1e-6f);
    host.run(device, 5);
    EXPECT_NEAR(lane, 21.0f * 50.0f / 2400.0f, 1e-5f) << "a partial block moves by its frames";
    host.run(device, 11);
    EXPECT_NEAR(lane, 32.0f * 50.0f / 2400.0f, 1e-5f);
    EXPECT_EQ(device.block(GlideDevice::Kind_LINEAR_1).m_lanes[1], untouched);
    const int more = blocks_until_idle(*one->m_smoother);
    EXPECT_EQ(more, 149) << "single lanes stop as soon as the value arrives";
    EXPECT_EQ(lane, 50.0f);
}

TEST_F(SmootherAt48k, GeometricKindsMultiplyByAFixedFactorPerFrame) {
    FloatParameter* frequency = device.parameter(GlideDevice::Kind_EXPONENTIAL_N);
    const float* lanes = device.block(GlideDevice::Kind_EXPONENTIAL_N).m_lanes;
    const float start = 20.0f / 48000.0f;
    ASSERT_FLOAT_EQ(lanes[0], start);
    frequency->set_normalized_value(1.0f);
    block();
    const double factor = std::pow(1000.0, 1.0 / 2400.0);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(lanes[i] / start, std::pow(factor, i + 1), 1e-5) << i;
    // The whole ratio of 1000 takes the smoothness time too.
    const int blocks = 1 + blocks_until_idle(*frequency->m_smoother);
    EXPECT_GE(blocks, 150);
    EXPECT_LE(blocks, 151);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(lanes[i], frequency->get_internal_value());

    // Downwards, single lane.
    FloatParameter* gain = device.parameter(GlideDevice::Kind_EXPONENTIAL_1);
    float& lane = device.block(GlideDevice::Kind_EXPONENTIAL_1).m_lanes[0];
    gain->set_normalized_value(1.0f);
    blocks_until_idle(*gain->m_smoother);
    const float top = lane;
    gain->set_normalized_value(0.0f);
    block();
    EXPECT_NEAR(top / lane, std::pow(factor, 16), 1e-4);
    ASSERT_GT(blocks_until_idle(*gain->m_smoother), 0);
    EXPECT_EQ(lane, gain->get_internal_value());
}

TEST_F(SmootherAt48k, NormalizedFormGlidesTheNormalizedLanes) {
    FloatParameter* p = device.parameter(GlideDevice::Kind_NORMALIZED);
    const LaneBlock& block_of_p = device.block(GlideDevice::Kind_NORMALIZED);
    const float internal_before = block_of_p.m_lanes[0];
    p->set_normalized_value(0.5f);
    block();
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(block_of_p.m_normalized[i], float(i + 1) / 2400.0f, 1e-7f);
    EXPECT_EQ(block_of_p.m_lanes[0], internal_before) << "the internal lanes are not its own";
    EXPECT_GT(blocks_until_idle(*p->m_smoother), 70);
    EXPECT_EQ(block_of_p.m_normalized[0], 0.5f);
}

TEST_F(SmootherAt48k, AnEmptyHostBlockInsideAControlBlockMovesNothing) {
    FloatParameter* line = device.parameter(GlideDevice::Kind_LINEAR_N);
    line->set_normalized_value(1.0f);
    host.run(device, 7);
    const float value = line->m_smoother->m_current_value;
    host.run(device, 0);
    host.run(device, 0);
    EXPECT_EQ(line->m_smoother->m_current_value, value);
    host.run(device, 9);
    EXPECT_NEAR(line->m_smoother->m_current_value, 1.0f / 3.0f, 1e-6f);
}
