#include "orvo/Binis/BiniNode.h"
#include "orvo/Binis/BiniException_ChildNotFound.h"
#include "orvo/Binis/BiniException_InvalidValueType.h"
#include "orvo/Core/FourCc.h"
#include "tests/support/FailureMessage.h"

#include <gtest/gtest.h>

using namespace Orvo;

TEST(BiniNode, MissingChildNamesNodeAndId) {
    BiniNode root;
    BiniNode* three = root.add_child(3);
    try {
        three->get_child(0x61507250);
        FAIL() << "no exception";
    } catch (const BiniException_ChildNotFound& failure) {
        EXPECT_EQ(failure.get_message(), u"Node \"/3\":\nNo subnode with id \"PrPa\".");
        const auto copy = failure.clone();
        EXPECT_NE(dynamic_cast<const BiniException_ChildNotFound*>(copy.get()), nullptr);
        EXPECT_EQ(copy->get_message(), failure.get_message());
    }
    EXPECT_THROW(root.get_child(7), BiniException);
}

TEST(BiniNode, TypeMismatchMessagesAndAssertions) {
    BiniNode root;
    BiniNode* value = root.add_child(3)->add_child(four_cc("Valu"));
    value->set_value_float(0.5f);
    EXPECT_NO_THROW(value->require_value_type(BiniValueType_FLOAT));
    try {
        value->require_value_type(BiniValueType_BOOL);
        FAIL() << "no exception";
    } catch (const BiniException_InvalidValueType& failure) {
        EXPECT_EQ(failure.get_message(), u"Node \"/3/Valu\":\nExpected type bool.");
        EXPECT_NE(dynamic_cast<BiniException_InvalidValueType*>(failure.clone().get()), nullptr);
    }
    using TestSupport::failure_message;
    EXPECT_EQ(failure_message([&] { value->get_value_int32(); }),
              u"m_value_type == BiniValueType_INT32");
    EXPECT_EQ(failure_message([&] { value->get_value_string(); }),
              u"m_value_type == BiniValueType_STRING");
    value->set_value_uint32(1);
    EXPECT_EQ(failure_message([&] { value->get_value_float(); }),
              u"m_value_type == BiniValueType_FLOAT");
    EXPECT_EQ(failure_message([&] { value->get_value_double_array(); }),
              u"m_value_type == BiniValueType_DOUBLE_ARRAY");
}
