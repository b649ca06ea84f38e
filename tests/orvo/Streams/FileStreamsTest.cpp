#include "orvo/Core/OperationFailedException.h"
#include "orvo/Streams/FileInputStream.h"
#include "orvo/Streams/FileOutputStream.h"
#include "tests/orvo/Streams/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

using namespace Orvo;

TEST(FileStreams, WriteThenReadBackWithPeekAndSkip) {
    TemporaryDirectory folder;
    const WString path = folder.wide("data.bin");
    {
        FileOutputStream output(path);
        output.write_all(10, "0123456789");
        output.flush();
        output.close();
    }
    FileInputStream input(path);
    char buffer[16] = {};
    EXPECT_TRUE(input.has_data());
    EXPECT_EQ(input.try_peek(3, buffer), 3u);
    EXPECT_EQ(std::string(buffer, 3), "012");
    input.read(4, buffer);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    input.skip(2);
    // Peeking across the end gives what is left and leaves it to be read.
    EXPECT_EQ(input.try_peek(16, buffer), 4u);
    EXPECT_EQ(input.try_read(16, buffer), 4u);
    EXPECT_EQ(std::string(buffer, 4), "6789");
    EXPECT_FALSE(input.has_data());
    EXPECT_EQ(input.get_consumed_bytes(), 10u);
}

TEST(FileStreams, WritingToAFullDeviceIsReported) {
    struct stat status;
    if (stat("/dev/full", &status) != 0)
        GTEST_SKIP() << "no /dev/full";
    FileOutputStream output(u"/dev/full");
    output.write_all(4, "abcd");
    EXPECT_THROW(output.flush(), OperationFailedException);
}
