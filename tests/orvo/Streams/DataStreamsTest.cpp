#include "orvo/Core/OperationFailedException.h"
#include "orvo/Streams/DataInputStream.h"
#include "orvo/Streams/DataOutputStream.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "orvo/Streams/MemoryInputStream.h"
#include "orvo/Streams/MemoryOutputStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

using namespace Orvo;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes bytes_of(const ExpandingOutputStream& a_stream) {
    Bytes bytes(a_stream.get_size());
    a_stream.copy_to(bytes.data());
    return bytes;
}

template <class Write>
Bytes written(Endiannes a_order, Write a_write) {
    ExpandingOutputStream sink(7);
    DataOutputStream output(&sink, a_order);
    a_write(output);
    return bytes_of(sink);
}

} // namespace

TEST(DataStreams, ByteOrderOfEveryWidth) {
    EXPECT_EQ(written(Endiannes_BIG, [](auto& o) { o.write_uint32(1); }), (Bytes{0, 0, 0, 1}));
    EXPECT_EQ(written(Endiannes_LITTLE, [](auto& o) { o.write_uint32(1); }), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(written(Endiannes_BIG, [](auto& o) { o.write_uint16(0x0102); }), (Bytes{1, 2}));
    EXPECT_EQ(written(Endiannes_LITTLE, [](auto& o) { o.write_uint16(0x0102); }), (Bytes{2, 1}));
    EXPECT_EQ(written(Endiannes_BIG, [](auto& o) { o.write_uint64(0x0102030405060708ull); }),
              (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(written(Endiannes_LITTLE, [](auto& o) { o.write_float(1.0f); }),
              (Bytes{0, 0, 0x80, 0x3F}));
    EXPECT_EQ(written(Endiannes_BIG, [](auto& o) { o.write_double(-2.0); }),
              (Bytes{0xC0, 0, 0, 0, 0, 0, 0, 0}));
    // Only 2 is little-endian; any other value reads as big-endian.
    EXPECT_EQ(written(Endiannes(0), [](auto& o) { o.write_uint32(1); }), (Bytes{0, 0, 0, 1}));
    EXPECT_EQ(written(Endiannes(7), [](auto& o) { o.write_uint16(1); }), (Bytes{0, 1}));
}

TEST(DataStreams, ArraysAreReversedElementByElement) {
    const std::uint16_t shorts[] = {0x0102, 0x0304};
    const std::uint32_t ints[] = {0x01020304, 0x05060708};
    EXPECT_EQ(written(Endiannes_BIG, [&](auto& o) { o.write_array_16(2, shorts); }),
              (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(written(Endiannes_LITTLE, [&](auto& o) { o.write_array_16(2, shorts); }),
              (Bytes{2, 1, 4, 3}));
    EXPECT_EQ(written(Endiannes_BIG, [&](auto& o) { o.write_array_32(2, ints); }),
              (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));

    for (Endiannes order : {Endiannes_BIG, Endiannes_LITTLE}) {
        const std::uint64_t longs[] = {0x0102030405060708ull, 42, ~0ull};
        const Bytes bytes = written(order, [&](auto& o) {
            o.write_array_16(2, shorts);
            o.write_array_32(2, ints);
            o.write_array_64(3, longs);
        });
        MemoryInputStream source(bytes.data(), bytes.size());
        DataInputStream input(&source, order);
        std::uint16_t shorts_back[2];
        std::uint32_t ints_back[2];
        std::uint64_t longs_back[3];
        input.read_array_16(2, shorts_back);
        input.read_array_32(2, ints_back);
        input.read_array_64(3, longs_back);
        EXPECT_EQ(shorts_back[1], 0x0304);
        EXPECT_EQ(ints_back[0], 0x01020304u);
        EXPECT_EQ(longs_back[0], longs[0]);
        EXPECT_EQ(longs_back[2], ~0ull);
        EXPECT_FALSE(input.has_data());
    }
}

TEST(DataStreams, ShortDataThrowsAndForwardsPeekAndSkip) {
    const unsigned char bytes[] = {1, 2, 3, 4, 5};
    MemoryInputStream source(bytes, sizeof bytes);
    DataInputStream input(&source, Endiannes_BIG);
    unsigned char peeked[2];
    EXPECT_EQ(input.try_peek(2, peeked), 2u);
    EXPECT_EQ(peeked[1], 2);
    input.skip(1);
    EXPECT_EQ(input.read_uint16(), 0x0203);
    EXPECT_THROW(input.read_uint32(), OperationFailedException);
    EXPECT_FALSE(input.has_data());
    EXPECT_THROW(DataInputStream(nullptr, Endiannes_LITTLE), Exception);
    EXPECT_THROW(DataOutputStream(nullptr, Endiannes_LITTLE), Exception);
}

TEST(DataStreams, FullSinkThrowsFromTypedWrites) {
    unsigned char block[3];
    MemoryOutputStream sink(block, sizeof block);
    DataOutputStream output(&sink, Endiannes_LITTLE);
    output.write_uint16(7);
    EXPECT_THROW(output.write_uint16(8), OperationFailedException);
    const std::uint32_t values[] = {1, 2};
    EXPECT_THROW(output.write_array_32(2, values), OperationFailedException);
}
