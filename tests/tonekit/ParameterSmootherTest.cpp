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
