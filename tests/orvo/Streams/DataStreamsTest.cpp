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
