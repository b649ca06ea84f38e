// Smoothing: how each smoother kind moves per control block and where it stops, and as the device
// runs it: which changes glide, how the settings steer it, and what the signal path reads frame by
// frame.

#include "SmoothingTestSupport.h"

#include "tonekit/ParameterTypes/P_TypedChoice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace TonekitTest;
using Tonekit::FloatParameter;

namespace {

class SmoothingDevice : public ::testing::Test {
protected:
    void SetUp() override {
        device.initialize();
        device.setSampleRate(48000.0f);
    }
    void blocks(int a_count) {
        for (int i = 0; i < a_count; ++i)
            host.run(device, 16);
    }
    void set_smoothing(std::uint32_t a_option) {
        device.settings().m_smoothing->set_option(a_option);
    }
    FloatParameter* line() { return device.parameter(GlideDevice::Kind_LINEAR_N); }
    const float* line_lanes() { return device.block(GlideDevice::Kind_LINEAR_N).m_lanes; }
    bool all_lanes_are(float a_value) {
        const float* lanes = line_lanes();
        return std::all_of(lanes, lanes + 16, [&](float a_lane) { return a_lane == a_value; });
    }

    static constexpr std::uint32_t option_all = 1, option_gui = 2, option_none = 4;
    TemporaryFolder folder;
    GlideDevice device{folder.path()};
    HostBlocks host{1024};
};

} // namespace

TEST_F(SmoothingDevice, AnEditorChangeGlidesFrameByFrameAcrossHostBlocksOfAnySize) {
    device.m_seen.clear();
    line()->set_normalized_value(0.6f); // 30 of 50: 1440 frames at 50 / 2400 per frame
    // Host blocks that never line up with the control blocks.
    unsigned frames = 0;
    for (unsigned size : {40u, 7u, 100u, 1u, 333u, 16u, 250u, 999u, 64u}) {
        host.run(device, size);
        frames += size;
    }
    ASSERT_EQ(device.m_seen.size(), frames);
    const float per_frame = 50.0f / 2400.0f;
    const float target = line()->get_internal_value();
    for (unsigned f = 0; f < frames; ++f) {
        const float expected = std::min(per_frame * float(f + 1), target);
        ASSERT_NEAR(device.m_seen[f], expected, 1e-3f) << "frame " << f;
    }
    EXPECT_EQ(device.m_seen.back(), target);
    EXPECT_EQ(device.active_smoothers(), 0u);
}

TEST_F(SmoothingDevice, WithGuiSmoothingHostAutomationJumpsAndStopsAGlide) {
    set_smoothing(option_gui);
    EXPECT_EQ(device.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_GUI);
    line()->set_normalized_value(1.0f);
    blocks(30);
    const float halfway = line_lanes()[15];
    ASSERT_GT(halfway, 9.0f);
    ASSERT_LT(halfway, 11.0f);

    line()->set_normalized_value_from_host(0.5f);
    blocks(1);
    EXPECT_TRUE(all_lanes_are(25.0f)) << "the host's value at once";
    EXPECT_EQ(device.active_smoothers(), 0u);
    blocks(5);
    EXPECT_TRUE(all_lanes_are(25.0f)) << "the old glide does not come back";

    // The next editor change starts from where the host put the value.
    line()->set_normalized_value(0.4f);
    blocks(1);
    EXPECT_NEAR(line_lanes()[0], 25.0f - 50.0f / 2400.0f, 1e-5f);
}

TEST_F(SmoothingDevice, NoneRemovesEverySmootherAndAllBringsThemBack) {
    line()->set_normalized_value(1.0f);
    blocks(3);
    ASSERT_EQ(device.active_smoothers(), 1u);
    set_smoothing(option_none);
    EXPECT_EQ(device.active_smoothers(), 0u);
    EXPECT_TRUE(all_lanes_are(50.0f)) << "a glide in progress is finished, not frozen";
    for (FloatParameter* p : device.m_parameters)
        EXPECT_FALSE(p->m_smoother);
    line()->set_normalized_value(0.0f);
    blocks(1);
    EXPECT_TRUE(all_lanes_are(0.0f));

    set_smoothing(option_all);
    for (FloatParameter* p : device.m_parameters)
        ASSERT_TRUE(p->m_smoother);
    line()->set_normalized_value(1.0f);
    blocks(1);
    EXPECT_NEAR(line_lanes()[0], 50.0f / 2400.0f, 1e-6f) << "glides again, from 0";
}

TEST_F(SmoothingDevice, ALoadedValueIsTheStartOfTheNextGlide) {
    line()->set_normalized_value(1.0f);
    blocks(200);
    // What a preset load does: store, then commit everything at once.
    line()->m_normalized_value = 0.0f;
    line()->denormalize();
    {
        std::lock_guard processing(device.processing_lock());
        device.commit_all_parameters();
    }
    EXPECT_TRUE(all_lanes_are(0.0f));
    line()->set_normalized_value(0.2f);
    blocks(1);
    EXPECT_NEAR(line_lanes()[0], 50.0f / 2400.0f, 1e-6f) << "not a jump back towards 50";
}

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
