#include "ParameterTestSupport.h"

#include "orvo/Binis/BiniException_InvalidValueType.h"
#include "orvo/Binis/BiniNode.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/Parameters/LoadReport.h"

#include <gtest/gtest.h>

using namespace TonekitTest;
using Tonekit::P_Boolean;

TEST(P_Boolean, HalfwayIsOnAndTheTextsSayIt) {
    ParameterBench bench;
    auto* p = bench.add(new P_Boolean(false), "Ena1");
    bench.initialize();
    Orvo::WString text;
    p->get_value_text(text);
    EXPECT_EQ(text, u"Off");
    p->set_normalized_value(0.4999f);
    EXPECT_FALSE(p->get_value());
    p->set_normalized_value(0.5f);
    EXPECT_TRUE(p->get_value());
    EXPECT_EQ(p->get_normalized_value(), 0.5f);
    p->normalize();
    EXPECT_EQ(p->get_normalized_value(), 1.0f);
    p->get_value_text(text);
    EXPECT_EQ(text, u"On");
    p->get_number_text(text);
    EXPECT_EQ(text, u"Yes");
    std::string narrow;
    p->set_value(false);
    p->get_number_text(narrow);
    EXPECT_EQ(narrow, "No");
}
