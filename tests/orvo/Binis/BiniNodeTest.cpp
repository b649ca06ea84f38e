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

TEST(BiniNode, PathsAndIdTexts) {
    BiniNode root;
    BiniNode* three = root.add_child(3);
    BiniNode* named = three->add_child(four_cc("PrPa"));
    EXPECT_EQ(root.get_path_text(), u"/");
    EXPECT_EQ(three->get_path_text(), u"/3");
    EXPECT_EQ(named->get_path_text(), u"/3/PrPa");
    EXPECT_EQ(named->add_child(0xFFFFFFFFu)->get_path_text(), u"/3/PrPa/4294967295");
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

TEST(BiniNode, SettersReplaceTheValueOfAnyType) {
    BiniNode node;
    const double doubles[] = {1.5, -0.0, std::numeric_limits<double>::infinity()};
    node.set_value_double_array(doubles, 3);
    ASSERT_EQ(node.get_value_double_array().size(), 3u);
    EXPECT_TRUE(std::signbit(node.get_value_double_array()[1]));
    node.set_value_string(u"a longer text than seven units");
    EXPECT_EQ(node.get_value_type(), BiniValueType_STRING);
    node.set_value_int8(-3);
    EXPECT_EQ(node.get_value_int8(), -3);
    node.set_value_bool(true);
    EXPECT_TRUE(node.get_value_bool());
    node.set_value_uint64_array(nullptr, 0);
    EXPECT_TRUE(node.get_value_uint64_array().empty());
    EXPECT_THROW(node.set_value_int32_array(nullptr, 1), Exception);
    EXPECT_EQ(node.get_value_type(), BiniValueType_UINT64_ARRAY);

    // Setting an array from its own storage must copy before the old block goes.
    const std::int16_t shorts[] = {1, 2, 3, 4};
    node.set_value_int16_array(shorts, 4);
    const auto own = node.get_value_int16_array();
    node.set_value_int16_array(own.data() + 1, 2);
    ASSERT_EQ(node.get_value_int16_array().size(), 2u);
    EXPECT_EQ(node.get_value_int16_array()[0], 2);
    EXPECT_EQ(node.get_value_int16_array()[1], 3);
    node.set_value_string(u"some text that lives on the heap");
    node.set_value_string(node.get_value_string());
    EXPECT_EQ(node.get_value_string(), u"some text that lives on the heap");
}

TEST(BiniNode, ClearAndSwap) {
    BiniNode tree;
    tree.set_value_uint32(4);
    tree.add_child(1)->add_child(2)->set_value_string(u"deep");
    BiniNode other;
    other.set_value_float(2.0f);
    other.add_child(7);

    tree.swap_contents(other);
    EXPECT_EQ(tree.get_value_float(), 2.0f);
    EXPECT_EQ(child_ids(tree), std::vector<std::uint32_t>{7});
    EXPECT_EQ(tree.get_child(7)->get_parent(), &tree);
    EXPECT_EQ(other.get_value_uint32(), 4u);
    EXPECT_EQ(other.get_child(1)->get_parent(), &other);
    EXPECT_EQ(other.get_child(1)->get_child(2)->get_value_string(), u"deep");

    other.clear();
    EXPECT_EQ(other.get_value_type(), BiniValueType_NULL);
    EXPECT_TRUE(other.get_children().empty());
    other.add_child(1);
}
