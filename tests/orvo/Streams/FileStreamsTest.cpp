#include "orvo/Core/OperationFailedException.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/FileInputStream.h"
#include "orvo/Streams/FileOutputStream.h"
#include "orvo/Streams/ReplacingFileOutputStream.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

using namespace Orvo;
using TestSupport::TemporaryFolder;

namespace {

WString wide(const TemporaryFolder& a_folder, const std::string& a_name) {
    return to_utf16(a_folder.path(a_name));
}

std::string read(const TemporaryFolder& a_folder, const std::string& a_name) {
    std::ifstream file(a_folder.path(a_name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

TEST(FileStreams, WriteThenReadBackWithPeekAndSkip) {
    TemporaryFolder folder;
    const WString path = wide(folder, "data.bin");
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

std::size_t entry_count(const std::filesystem::path& a_folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(a_folder))
        ++count;
    return count;
}

} // namespace

TEST(ReplacingFileOutputStream, OldFileStaysUntilTheCommit) {
    TemporaryFolder folder;
    std::ofstream(folder.path("a.preset")) << "old";
    {
        ReplacingFileOutputStream output(wide(folder, "a.preset"));
        output.write_all(3, "new");
        output.flush();
        EXPECT_EQ(read(folder, "a.preset"), "old");
        EXPECT_EQ(entry_count(folder.path()), 2u);
        EXPECT_TRUE(output.get_temporary_path().starts_with(folder.path("a.preset.tmp")));
        output.commit();
        EXPECT_EQ(output.get_temporary_path(), "");
    }
    EXPECT_EQ(read(folder, "a.preset"), "new");
    EXPECT_EQ(entry_count(folder.path()), 1u);
}

TEST(ReplacingFileOutputStream, AbandonedStreamRemovesItsTemporaryFile) {
    TemporaryFolder folder;
    std::ofstream(folder.path("a.preset")) << "old";
    {
        ReplacingFileOutputStream output(wide(folder, "a.preset"));
        output.write_all(5, "fresh");
    }
    EXPECT_EQ(read(folder, "a.preset"), "old");
    EXPECT_EQ(entry_count(folder.path()), 1u);
    { ReplacingFileOutputStream output(wide(folder, "new.preset")); }
    EXPECT_FALSE(std::filesystem::exists(folder.path("new.preset")));
}

TEST(FileStreams, SkipNeverPassesTheEndOfTheFile) {
    TemporaryFolder folder;
    std::ofstream(folder.path("short")) << "abcde";
    FileInputStream input(wide(folder, "short"));
    EXPECT_EQ(input.try_skip(3), 3u);
    EXPECT_EQ(input.try_skip(100), 2u);
    EXPECT_EQ(input.try_skip(1), 0u);
    EXPECT_THROW(FileInputStream(wide(folder, "short")).skip(6), OperationFailedException);
}
