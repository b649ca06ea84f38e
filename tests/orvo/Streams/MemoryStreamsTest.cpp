#include "orvo/Core/OperationFailedException.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "orvo/Streams/MemoryInputStream.h"
#include "orvo/Streams/MemoryOutputStream.h"
#include "tests/support/FailureMessage.h"

#include <gtest/gtest.h>

#include <string>

using namespace Orvo;

TEST(InputStream, ReadPastTheEndGivesWhatIsThereAndCountsIt) {
    const char data[] = "abcdef";
    MemoryInputStream input(data, 6);
    char buffer[8] = {};
    input.read(2, buffer);
    EXPECT_EQ(std::string(buffer, 2), "ab");
    EXPECT_EQ(input.try_read(8, buffer), 4u);
    EXPECT_EQ(std::string(buffer, 4), "cdef");
    EXPECT_FALSE(input.has_data());
    EXPECT_EQ(input.try_read(1, buffer), 0u);

    MemoryInputStream again(data, 6);
    again.read(4, buffer);
    EXPECT_EQ(
        TestSupport::failure_message<OperationFailedException>([&] { again.read(4, buffer); }),
        u"Operation failed.");
    // The two bytes that were there are consumed all the same.
    EXPECT_EQ(again.get_consumed_bytes(), 6u);
    EXPECT_EQ(std::string(buffer, 2), "ef");
}

TEST(MemoryOutputStream, AcceptsWhatFitsAndWriteAllRefusesTheRest) {
    unsigned char block[5] = {};
    MemoryOutputStream output(block, 5);
    output.write_all(3, "abc");
    EXPECT_EQ(output.try_write(4, "defg"), 2u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(block), 5), "abcde");
    EXPECT_EQ(output.get_remaining(), 0u);
    EXPECT_EQ(output.get_written(), 5u);
    EXPECT_THROW(output.write_all(1, "x"), OperationFailedException);
    EXPECT_NO_THROW(output.write_all(0, nullptr));
    EXPECT_THROW(output.try_write(1, nullptr), Exception);
}

TEST(ExpandingOutputStream, ExactlyOneChunkLeavesNoPartialChunk) {
    EXPECT_THROW(ExpandingOutputStream(0), Exception);
    ExpandingOutputStream output(4);
    EXPECT_EQ(output.get_chunk_count(), 0u);
    output.write_all(4, "abcd");
    ASSERT_EQ(output.get_chunk_count(), 1u);
    EXPECT_EQ(output.get_chunk_fill(0), 4u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(output.get_chunk(0)), 4), "abcd");

    output.write_all(1, "e");
    ASSERT_EQ(output.get_chunk_count(), 2u);
    EXPECT_EQ(output.get_chunk_fill(0), 4u);
    EXPECT_EQ(output.get_chunk_fill(1), 1u);
    EXPECT_EQ(output.get_chunk(1)[0], 'e');
    EXPECT_EQ(output.get_size(), 5u);
    EXPECT_THROW(output.get_chunk(2), Exception);
}

TEST(InputStream, PeekDoesNotConsumeAndSkipDoes) {
    const char data[] = "abcdef";
    MemoryInputStream input(data, 6);
    char buffer[4] = {};
    EXPECT_EQ(input.try_peek(3, buffer), 3u);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    EXPECT_EQ(input.get_consumed_bytes(), 0u);
    input.skip(2);
    EXPECT_EQ(input.get_consumed_bytes(), 2u);
    input.read(1, buffer);
    EXPECT_EQ(buffer[0], 'c');
    EXPECT_EQ(input.try_skip(10), 3u);
    EXPECT_EQ(input.get_consumed_bytes(), 6u);
    EXPECT_THROW(input.skip(1), OperationFailedException);
}
