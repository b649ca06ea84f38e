#include "orvo/Core/OperationFailedException.h"
#include "orvo/Streams/FileInputStream.h"
#include "orvo/Streams/FileOutputStream.h"
#include "orvo/Streams/ReplacingFileOutputStream.h"
#include "tests/orvo/Streams/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
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

namespace {

std::size_t entry_count(const std::string& a_folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(a_folder))
        ++count;
    return count;
}

} // namespace

TEST(ReplacingFileOutputStream, OldFileStaysUntilTheCommit) {
    TemporaryDirectory folder;
    folder.write("a.preset", "old");
    {
        ReplacingFileOutputStream output(folder.wide("a.preset"));
        output.write_all(3, "new");
        output.flush();
        EXPECT_EQ(folder.read("a.preset"), "old");
        EXPECT_EQ(entry_count(folder.path()), 2u);
        EXPECT_TRUE(output.get_temporary_path().starts_with(folder.path("a.preset.tmp")));
        output.commit();
        EXPECT_EQ(output.get_temporary_path(), "");
    }
    EXPECT_EQ(folder.read("a.preset"), "new");
    EXPECT_EQ(entry_count(folder.path()), 1u);
}

TEST(ReplacingFileOutputStream, AbandonedStreamRemovesItsTemporaryFile) {
    TemporaryDirectory folder;
    folder.write("a.preset", "old");
    {
        ReplacingFileOutputStream output(folder.wide("a.preset"));
        output.write_all(5, "fresh");
    }
    EXPECT_EQ(folder.read("a.preset"), "old");
    EXPECT_EQ(entry_count(folder.path()), 1u);
    { ReplacingFileOutputStream output(folder.wide("new.preset")); }
    EXPECT_FALSE(std::filesystem::exists(folder.path("new.preset")));
}

TEST(FileStreams, SkipNeverPassesTheEndOfTheFile) {
    TemporaryDirectory folder;
    folder.write("short", "abcde");
    FileInputStream input(folder.wide("short"));
    EXPECT_EQ(input.try_skip(3), 3u);
    EXPECT_EQ(input.try_skip(100), 2u);
    EXPECT_EQ(input.try_skip(1), 0u);
    EXPECT_THROW(FileInputStream(folder.wide("short")).skip(6), OperationFailedException);
}
