#include "orvo/Binis/BiniNode.h"
#include "orvo/Binis/BiniException_ChildNotFound.h"
#include "orvo/Binis/BiniException_InvalidValueType.h"
#include "orvo/Core/FourCc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace Orvo;

namespace {

std::vector<std::uint32_t> child_ids(const BiniNode& a_node) {
    std::vector<std::uint32_t> ids;
    for (const auto& [id, child] : a_node.get_children())
        ids.push_back(id);
    return ids;
}

} // namespace

TEST(BiniNode, ChildrenAreOrderedByIdAndKnowTheirParent) {
    BiniNode root;
    BiniNode* nine = root.add_child(9);
    root.add_child(2);
    root.add_child(5);
    EXPECT_EQ(child_ids(root), (std::vector<std::uint32_t>{2, 5, 9}));
    EXPECT_EQ(nine->get_id(), 9u);
    EXPECT_EQ(nine->get_parent(), &root);
    EXPECT_EQ(nine->get_value_type(), BiniValueType_NULL);
    EXPECT_EQ(root.get_parent(), nullptr);
    EXPECT_EQ(root.get_child(9), nine);
    EXPECT_EQ(root.find_child(9), nine);
    EXPECT_EQ(root.find_child(3), nullptr);
    try {
        root.add_child(5);
        FAIL() << "no exception";
    } catch (const Exception& failure) {
        EXPECT_EQ(failure.get_message(), u"!m_children.has_key(a_id)");
        EXPECT_EQ(failure.get_source_path(), "orvo/Binis/BiniNode");
    }
}

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
    const auto assertion_text = [&](auto a_get) {
        try {
            a_get();
        } catch (const Exception& failure) {
            return failure.get_message();
        }
        return WString(u"no exception");
    };
    EXPECT_EQ(assertion_text([&] { value->get_value_int32(); }),
              u"m_value_type == BiniValueType_INT32");
    EXPECT_EQ(assertion_text([&] { value->get_value_string(); }),
              u"m_value_type == BiniValueType_STRING");
    value->set_value_uint32(1);
    EXPECT_EQ(assertion_text([&] { value->get_value_float(); }),
              u"m_value_type == BiniValueType_FLOAT");
    EXPECT_EQ(assertion_text([&] { value->get_value_double_array(); }),
              u"m_value_type == BiniValueType_DOUBLE_ARRAY");
}

TEST(BiniNode, ValueTypeNames) {
    EXPECT_EQ(bini_value_type_name(BiniValueType_BOOL), u"bool");
    EXPECT_EQ(bini_value_type_name(BiniValueType_FLOAT), u"float");
    EXPECT_EQ(bini_value_type_name(BiniValueType_STRING), u"string");
    EXPECT_EQ(bini_value_type_name(BiniValueType_UINT16_ARRAY), u"uint16 array");
    EXPECT_EQ(bini_value_type_name(BiniValueType_UINT64_ARRAY), u"uint64 array");
    EXPECT_EQ(bini_value_type_name(BiniValueType(23)), u"unknown type 23");
}
