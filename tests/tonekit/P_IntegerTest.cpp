#include "ParameterTestSupport.h"

#include "orvo/Binis/BiniException_InvalidValueType.h"
#include "orvo/Binis/BiniNode.h"
#include "tonekit/ParameterTypes/P_Integer.h"

#include <gtest/gtest.h>

#include <climits>

using namespace TonekitTest;
using Tonekit::P_Integer;

TEST(P_Integer, EachValueOwnsAnEqualShareAndSitsAtItsCentre) {
    ParameterBench bench;
    auto* up = bench.add(new P_Integer(0, 4, 2), "Up  ");
    auto* down = bench.add(new P_Integer(4, 0, 4), "Down");
    bench.initialize();
    EXPECT_FLOAT_EQ(up->get_normalized_value(), 0.5f);
    up->set_normalized_value(1.0f);
    EXPECT_EQ(up->get_value(), 4);
    up->normalize();
    EXPECT_FLOAT_EQ(up->get_normalized_value(), 0.9f);
    up->set_normalized_value(0.0f);
    EXPECT_EQ(up->get_value(), 0);
    up->normalize();
    EXPECT_FLOAT_EQ(up->get_normalized_value(), 0.1f);
    up->set_normalized_value(0.39f);
    EXPECT_EQ(up->get_value(), 1);

    EXPECT_FLOAT_EQ(down->get_normalized_value(), 0.1f) << "a downward interval starts at 4";
    down->set_normalized_value(1.0f);
    EXPECT_EQ(down->get_value(), 0);
}

TEST(P_Integer, TheWidestIntervalNeitherOverflowsNorLeavesIt) {
    ParameterBench bench;
    auto* all = bench.add(new P_Integer(INT_MIN, INT_MAX, 0), "All ");
    bench.initialize();
    EXPECT_NEAR(all->get_normalized_value(), 0.5f, 1e-6f);
    all->set_normalized_value(1.0f);
    EXPECT_EQ(all->get_value(), INT_MAX);
    all->set_normalized_value(0.0f);
    EXPECT_EQ(all->get_value(), INT_MIN);
}

TEST(P_Integer, LoadingAndSettingClampToTheInterval) {
    ParameterBench bench;
    RecordingHost host;
    int target = 0;
    auto* p = bench.add(new P_Integer(-2, 127, 12), "Key ");
    p->set_target(&target);
    p->m_host_notifier = &host;
    bench.initialize();
    Orvo::BiniNode node;
    node.set_value_int32(500);
    EXPECT_TRUE(p->do_load(node));
    EXPECT_EQ(p->get_value(), 127);
    node.set_value_int32(INT_MIN);
    EXPECT_TRUE(p->do_load(node));
    EXPECT_EQ(p->get_value(), -2);
    node.set_value_uint32(3);
    EXPECT_THROW(p->do_load(node), Orvo::BiniException_InvalidValueType);

    Orvo::WString text;
    p->get_value_text(text);
    EXPECT_EQ(text, u"-2");
    p->set_value(-2);
    EXPECT_TRUE(host.m_events.empty()) << "an unchanged value goes nowhere";
    p->set_value(1000);
    EXPECT_EQ(p->get_value(), 127);
    EXPECT_EQ(host.m_events, (std::vector<std::string>{"begin -1", "end -1"}));
    bench.run_commit_pass();
    EXPECT_EQ(target, 127);
}
