#pragma once
// Saving and loading Bini trees to and from byte vectors in tests.

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/FourCc.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "orvo/Streams/MemoryInputStream.h"

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline Bytes save_bytes(const Orvo::BiniNode& a_node, std::string_view a_preamble = {}) {
    Orvo::ExpandingOutputStream output(64);
    a_node.save(output, a_preamble);
    Bytes bytes(output.get_size());
    output.copy_to(bytes.data());
    return bytes;
}

inline void load_bytes(Orvo::BiniNode& a_node, const Bytes& a_bytes,
                       std::string_view a_preamble = {}) {
    Orvo::MemoryInputStream input(a_bytes.data(), a_bytes.size());
    a_node.load(input, a_preamble);
}

inline const Bytes bini_header{0x00, 0xFF, 0x01, 0xFE, 0x01, 0x02, 0x03, 0x00};

inline Bytes joined(std::initializer_list<Bytes> a_parts) {
    Bytes bytes;
    for (const Bytes& part : a_parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// A tree with one child of every value type, ids in a shuffled order.
inline void fill_every_type(Orvo::BiniNode& a_root) {
    const double doubles[] = {0.1, -1e300, std::numeric_limits<double>::quiet_NaN()};
    const float floats[] = {0.25f, -0.0f};
    const std::int8_t int8s[] = {-128, 127, 0};
    const std::int16_t int16s[] = {-32768, 12345};
    const std::int32_t int32s[] = {std::numeric_limits<std::int32_t>::min(), -1, 7};
    const std::int64_t int64s[] = {std::numeric_limits<std::int64_t>::min()};
    const std::uint8_t uint8s[] = {0, 255};
    const std::uint16_t uint16s[] = {65535, 1, 2};
    const std::uint32_t uint32s[] = {0xDEADBEEF};
    const std::uint64_t uint64s[] = {~0ull, 0};
    a_root.set_value_uint32(Orvo::four_cc("root"));
    a_root.add_child(22)->set_value_null();
    a_root.add_child(1)->set_value_bool(true);
    a_root.add_child(2)->set_value_double(-2.5e-310);
    a_root.add_child(3)->set_value_double_array(doubles, 3);
    a_root.add_child(4)->set_value_float(3.5f);
    a_root.add_child(5)->set_value_float_array(floats, 2);
    a_root.add_child(6)->set_value_int8(-5);
    a_root.add_child(7)->set_value_int8_array(int8s, 3);
    a_root.add_child(8)->set_value_int16(-300);
    a_root.add_child(9)->set_value_int16_array(int16s, 2);
    a_root.add_child(10)->set_value_int32(-70000);
    a_root.add_child(11)->set_value_int32_array(int32s, 3);
    a_root.add_child(12)->set_value_int64(-(1ll << 40));
    a_root.add_child(13)->set_value_int64_array(int64s, 1);
    Orvo::BiniNode* text = a_root.add_child(14);
    text->set_value_string(Orvo::WString(u"Tolvan \u00e9\U0001F3B5 ") +
                           Orvo::WString(1, char16_t(0xDC00)));
    a_root.add_child(15)->set_value_uint8(200);
    a_root.add_child(16)->set_value_uint8_array(uint8s, 2);
    a_root.add_child(17)->set_value_uint16(60000);
    a_root.add_child(18)->set_value_uint16_array(uint16s, 3);
    a_root.add_child(19)->set_value_uint32(4000000000u);
    a_root.add_child(20)->set_value_uint32_array(uint32s, 1);
    a_root.add_child(21)->set_value_uint64(1ull << 63);
    a_root.add_child(0)->set_value_uint64_array(uint64s, 2);
    text->add_child(Orvo::four_cc("Deep"))->add_child(0)->set_value_bool(false);
}
