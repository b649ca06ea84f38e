#include "orvo/Streams/ReplacingFileOutputStream.h"
#include "orvo/Core/OperationFailedException.h"
#include "tests/orvo/Streams/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

using namespace Orvo;

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
