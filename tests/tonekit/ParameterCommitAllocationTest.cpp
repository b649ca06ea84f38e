// The commit pass runs on the audio thread and must not allocate.

#include "ParameterTestSupport.h"
#include "tests/support/AllocationCounter.h"

#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/P_Integer.h"
#include "tonekit/ParameterTypes/P_TypedChoice.h"
#include "tonekit/Parameters/ParameterSmoother.h"

#include <gtest/gtest.h>

using namespace TonekitTest;

TEST(ParameterCommitAllocation, TheCommitPassOfEveryValueKindAllocatesNothing) {
    ParameterBench bench;
    alignas(16) float lanes[16] = {};
    auto* delay = bench.add(new Tonekit::FloatParameter, "Dela");
    Tonekit::FloatParameterVariation::create(
        delay, 1, u"Default", Tonekit::Unit_MILLISECONDS, 0.0f, 50.0f, 15.0f, false,
        Tonekit::ConversionType_MILLISECONDS_TO_FRAMES,
        Tonekit::FloatParameterVariation::Polarity_POSITIVE_UNIPOLAR, true);
    delay->bind_lanes(lanes, 16);
    int mode = 0;
    auto* choice = bench.add(new Tonekit::P_TypedChoice<int>, "Mode");
    choice->begin_options();
    choice->append_option(1, u"Two", 2);
    choice->append_option(2, u"Eight", 8);
    choice->end_options();
    choice->set_target(&mode);
    int key = 0;
    auto* integer = bench.add(new Tonekit::P_Integer(0, 127, 60), "Key ");
    integer->set_target(&key);
    bool enabled = false;
    auto* boolean = bench.add(new Tonekit::P_Boolean(false), "Ena1");
    boolean->set_target(&enabled);
    bench.initialize();

    delay->set_normalized_value(0.5f);
    choice->set_normalized_value(1.0f);
    integer->set_normalized_value(1.0f);
    boolean->set_normalized_value(1.0f);
    TestSupport::AllocationCounter counter;
    bench.run_commit_pass();
    EXPECT_EQ(counter.stop(), 0);
    // Editor changes of a float parameter glide: the pass hands it to its smoother.
    ASSERT_TRUE(delay->m_smoother);
    EXPECT_TRUE(delay->m_smoother->m_enlisted);
    EXPECT_EQ(delay->m_smoother->get_target(), 25.0f);
    EXPECT_EQ(mode, 8);
    EXPECT_EQ(key, 127);
    EXPECT_TRUE(enabled);
}
