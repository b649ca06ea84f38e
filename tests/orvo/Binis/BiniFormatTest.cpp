#include "orvo/Binis/BiniException.h"
#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/FourCc.h"
#include "orvo/Core/OperationFailedException.h"
#include "tests/orvo/Binis/BiniTestBytes.h"
#include "tests/support/FailureMessage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace Orvo;

namespace {

template <class T>
std::vector<T> as_vector(std::span<const T> a_span) {
    return std::vector<T>(a_span.begin(), a_span.end());
}

std::uint64_t bits_of(double a_value) {
    std::uint64_t bits;
    std::memcpy(&bits, &a_value, 8);
    return bits;
}

Bytes chain_of_depth(unsigned a_depth) {
    // Each level: type null, one child, the child's id; the deepest node has no children.
    Bytes bytes = bini_header;
    for (unsigned i = 0; i < a_depth; ++i)
        bytes.insert(bytes.end(), {0x00, 1, 0, 0, 0, 9, 0, 0, 0});
    bytes.insert(bytes.end(), {0x00, 0, 0, 0, 0});
    return bytes;
}

WString load_failure(const Bytes& a_bytes, std::string_view a_preamble = {}) {
    BiniNode node;
    try {
        load_bytes(node, a_bytes, a_preamble);
    } catch (const Exception& failure) {
        return failure.get_message();
    }
    return u"loaded";
}

} // namespace

TEST(BiniFormat, DocumentedRecords) {
    BiniNode root;
    root.add_child(5)->set_value_uint32(7);
    EXPECT_EQ(
        save_bytes(root),
        joined(
            {bini_header, {0x00}, {1, 0, 0, 0}, {5, 0, 0, 0}, {0x13}, {7, 0, 0, 0}, {0, 0, 0, 0}}));

    BiniNode text;
    text.set_value_string(u"ab");
    EXPECT_EQ(save_bytes(text),
              joined({bini_header, {0x0E, 0x02, 0, 0, 0, 0x61, 0, 0x62, 0}, {0, 0, 0, 0}}));

    BiniNode ordered;
    ordered.add_child(9);
    ordered.add_child(2);
    ordered.add_child(5);
    const Bytes child = {0x00, 0, 0, 0, 0};
    EXPECT_EQ(save_bytes(ordered), joined({bini_header,
                                           {0x00, 3, 0, 0, 0},
                                           {2, 0, 0, 0},
                                           child,
                                           {5, 0, 0, 0},
                                           child,
                                           {9, 0, 0, 0},
                                           child}));

    BiniNode flag;
    flag.set_value_bool(true);
    EXPECT_EQ(save_bytes(flag, "P/x"),
              joined({{'P', '/', 'x'}, bini_header, {0x01, 0x01}, {0, 0, 0, 0}}));
}

TEST(BiniFormat, EveryValueTypeRoundTrips) {
    BiniNode original;
    fill_every_type(original);
    const Bytes bytes = save_bytes(original, "Tolvan Chorus/Preset");
    BiniNode loaded;
    load_bytes(loaded, bytes, "Tolvan Chorus/Preset");
    EXPECT_EQ(save_bytes(loaded, "Tolvan Chorus/Preset"), bytes);

    EXPECT_EQ(loaded.get_value_uint32(), four_cc("root"));
    EXPECT_EQ(loaded.get_children().size(), 23u);
    EXPECT_EQ(loaded.get_child(22)->get_value_type(), BiniValueType_NULL);
    EXPECT_TRUE(loaded.get_child(1)->get_value_bool());
    EXPECT_EQ(bits_of(loaded.get_child(2)->get_value_double()), bits_of(-2.5e-310));
    const auto doubles = loaded.get_child(3)->get_value_double_array();
    ASSERT_EQ(doubles.size(), 3u);
    EXPECT_EQ(doubles[1], -1e300);
    EXPECT_TRUE(std::isnan(doubles[2]));
    EXPECT_EQ(loaded.get_child(4)->get_value_float(), 3.5f);
    EXPECT_TRUE(std::signbit(loaded.get_child(5)->get_value_float_array()[1]));
    EXPECT_EQ(loaded.get_child(6)->get_value_int8(), -5);
    EXPECT_EQ(loaded.get_child(7)->get_value_int8_array()[0], -128);
    EXPECT_EQ(loaded.get_child(8)->get_value_int16(), -300);
    EXPECT_EQ(loaded.get_child(9)->get_value_int16_array()[1], 12345);
    EXPECT_EQ(loaded.get_child(10)->get_value_int32(), -70000);
    EXPECT_EQ(loaded.get_child(11)->get_value_int32_array()[0],
              std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(loaded.get_child(12)->get_value_int64(), -(1ll << 40));
    EXPECT_EQ(loaded.get_child(13)->get_value_int64_array()[0],
              std::numeric_limits<std::int64_t>::min());
    const WString& text = loaded.get_child(14)->get_value_string();
    EXPECT_EQ(text.size(), 12u);
    EXPECT_EQ(text.back(), char16_t(0xDC00));
    EXPECT_EQ(loaded.get_child(15)->get_value_uint8(), 200);
    EXPECT_EQ(loaded.get_child(16)->get_value_uint8_array()[1], 255);
    EXPECT_EQ(loaded.get_child(17)->get_value_uint16(), 60000);
    EXPECT_EQ(loaded.get_child(18)->get_value_uint16_array()[0], 65535);
    EXPECT_EQ(loaded.get_child(19)->get_value_uint32(), 4000000000u);
    EXPECT_EQ(loaded.get_child(20)->get_value_uint32_array()[0], 0xDEADBEEFu);
    EXPECT_EQ(loaded.get_child(21)->get_value_uint64(), 1ull << 63);
    EXPECT_EQ(as_vector(loaded.get_child(0)->get_value_uint64_array()),
              (std::vector<std::uint64_t>{~0ull, 0}));
    const BiniNode* deep = loaded.get_child(14)->get_child(four_cc("Deep"))->get_child(0);
    EXPECT_FALSE(deep->get_value_bool());
    EXPECT_EQ(deep->get_path_text(), u"/14/Deep/0");
}

TEST(BiniFormat, LenientHeaderByteAndBoolPayloads) {
    BiniNode node;
    Bytes odd_header = joined({bini_header, {0x01, 0x7F, 0, 0, 0, 0}});
    odd_header[7] = 0xA5;
    load_bytes(node, odd_header);
    EXPECT_TRUE(node.get_value_bool());
    // Any non-zero bool is true, and is written back as 1 under the standard header.
    EXPECT_EQ(save_bytes(node), joined({bini_header, {0x01, 0x01, 0, 0, 0, 0}}));
}

TEST(BiniFormat, MalformedHeadersAndTypes) {
    const Bytes tree = joined({bini_header, {0x00, 0, 0, 0, 0}});
    EXPECT_EQ(load_failure(joined({{'A', 'b'}, tree}), "Ab"), u"loaded");
    EXPECT_EQ(load_failure(joined({{'A', 'c'}, tree}), "Ab"), u"Invalid preamble.");
    EXPECT_EQ(load_failure(joined({{'A', 'b'}, tree})), u"Invalid magic bytes.");
    for (int i = 0; i < 4; ++i) {
        Bytes bad = tree;
        bad[std::size_t(i)] ^= 0x10;
        EXPECT_EQ(load_failure(bad), u"Invalid magic bytes.") << i;
    }
    for (int i = 4; i < 7; ++i) {
        Bytes bad = tree;
        bad[std::size_t(i)] ^= 0x10;
        EXPECT_EQ(load_failure(bad), u"Invalid header") << i;
    }
    Bytes unknown = tree;
    unknown[8] = 23;
    EXPECT_EQ(load_failure(unknown), u"Unknown node type.");
    unknown[8] = 0xFF;
    EXPECT_EQ(load_failure(unknown), u"Unknown node type.");
    EXPECT_THROW(load_bytes(*std::make_unique<BiniNode>(), unknown), BiniException);
}

TEST(BiniFormat, EveryTruncationFailsAsAShortRead) {
    BiniNode original;
    fill_every_type(original);
    const Bytes bytes = save_bytes(original, "pre");
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const Bytes prefix(bytes.begin(), bytes.begin() + std::ptrdiff_t(length));
        BiniNode node;
        EXPECT_THROW(load_bytes(node, prefix, "pre"), OperationFailedException) << length;
    }
}

TEST(BiniFormat, RepeatedChildIdFailsTheAssertion) {
    const Bytes child = {0x00, 0, 0, 0, 0};
    const Bytes bytes =
        joined({bini_header, {0x00, 2, 0, 0, 0}, {4, 0, 0, 0}, child, {4, 0, 0, 0}, child});
    EXPECT_EQ(load_failure(bytes), u"!m_children.has_key(a_id)");
    // What was read before the failure stays.
    BiniNode node;
    EXPECT_THROW(load_bytes(node, bytes), Exception);
    EXPECT_NE(node.find_child(4), nullptr);
}

TEST(BiniFormat, LargeArraysCrossTheReadPieces) {
    std::vector<std::uint64_t> values(70000);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = i * 0x9E3779B97F4A7C15ull;
    BiniNode original;
    original.set_value_uint64_array(values.data(), std::uint32_t(values.size()));
    original.add_child(1)->set_value_string(WString(100000, u'x'));
    BiniNode loaded;
    load_bytes(loaded, save_bytes(original));
    EXPECT_EQ(as_vector(loaded.get_value_uint64_array()), values);
    EXPECT_EQ(loaded.get_child(1)->get_value_string(), WString(100000, u'x'));
}

TEST(BiniFormat, NestingIsBounded) {
    BiniNode node;
    EXPECT_NO_THROW(load_bytes(node, chain_of_depth(BiniNode::max_depth)));
    EXPECT_EQ(save_bytes(node), chain_of_depth(BiniNode::max_depth));
    EXPECT_EQ(load_failure(chain_of_depth(BiniNode::max_depth + 1)), u"Node nesting too deep.");
    EXPECT_EQ(load_failure(chain_of_depth(100000)), u"Node nesting too deep.");

    BiniNode* leaf = &node;
    while (!leaf->get_children().empty())
        leaf = leaf->get_children().begin()->second.get();
    leaf->add_child(1);
    EXPECT_EQ(TestSupport::failure_message<BiniException>([&] { save_bytes(node); }),
              u"Node nesting too deep.");
}
