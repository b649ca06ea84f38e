#include "orvo/Streams/SystemFolders.h"
#include "orvo/Core/OperationFailedException.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/FilePath.h"
#include "tests/support/FailureMessage.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>

using namespace Orvo;

namespace {

using TestSupport::failure_message;
using TestSupport::ScopedEnvironment;

bool is_directory(const std::string& a_path) {
    struct stat status;
    return stat(a_path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

WString wide(const std::string& a_text) {
    return to_utf16(a_text);
}

WString common(const char* a_dirs, std::u16string_view a_vendor = u"Tolvan Plugins") {
    ScopedEnvironment dirs("XDG_DATA_DIRS", a_dirs);
    return get_system_directory(SystemDirectoryType_COMMON_APPDATA, a_vendor);
}

WString user(const char* a_data_home, const char* a_home) {
    ScopedEnvironment data_home("XDG_DATA_HOME", a_data_home);
    ScopedEnvironment home("HOME", a_home);
    return get_system_directory(SystemDirectoryType_USER_APPDATA, u"");
}

} // namespace

TEST(SystemFolders, CommonFolderPrefersTheEntryHoldingTheVendor) {
    TestSupport::TemporaryFolder root;
    const std::string a = root.path("a"), b = root.path("b");
    ASSERT_EQ(mkdir(a.c_str(), 0700), 0);
    ASSERT_EQ(mkdir(b.c_str(), 0700), 0);
    const std::string list = "relative:" + a + ":" + b + "/";
    EXPECT_EQ(common(list.c_str()), wide(a));
    ASSERT_EQ(mkdir((b + "/Tolvan Plugins").c_str(), 0700), 0);
    EXPECT_EQ(common(list.c_str()), wide(b));
    EXPECT_EQ(common(list.c_str(), u"Other Vendor"), wide(a));
    EXPECT_EQ(common(nullptr, u"Surely Not Installed Vendor"), u"/usr/local/share");
    EXPECT_EQ(common("", u"Surely Not Installed Vendor"), u"/usr/local/share");
    EXPECT_EQ(failure_message<OperationFailedException>([&] { common("relative:also/relative"); }),
              u"Cannot determine system directory location.");
}

TEST(SystemFolders, UserFolderFromDataHomeOrHome) {
    EXPECT_EQ(user("/data/home/", "/home/x"), u"/data/home");
    EXPECT_EQ(user(nullptr, "/home/x"), u"/home/x/.local/share");
    EXPECT_EQ(user("", "/home/x/"), u"/home/x/.local/share");
    EXPECT_EQ(user("not/absolute", "/home/x"), u"/home/x/.local/share");
    EXPECT_EQ(failure_message<OperationFailedException>([&] { user(nullptr, nullptr); }),
              u"Cannot determine system directory location.");
    EXPECT_THROW(user(nullptr, ""), OperationFailedException);
}

TEST(SystemFolders, EnsureDirectoryWithParentsCreatesTheWholeChain) {
    TestSupport::TemporaryFolder root;
    const std::string deep = root.path("Tolvan Plugins//Tolvan Chorus/Presets/");
    ensure_directory_with_parents(wide(deep));
    EXPECT_TRUE(is_directory(root.path("Tolvan Plugins/Tolvan Chorus/Presets")));
    EXPECT_NO_THROW(ensure_directory_with_parents(wide(deep)));
    std::ofstream(root.path("file")) << "x";
    EXPECT_EQ(failure_message<OperationFailedException>(
                  [&] { ensure_directory_with_parents(wide(root.path("file/below"))); }),
              u"File exists");
}

TEST(FilePath, ParsesBothSeparatorsAndWritesSlashes) {
    FilePath windows(u"C:\\Users\\me/Presets\\a.preset");
    EXPECT_EQ(windows.get_drive(), u"C");
    ASSERT_EQ(windows.get_components().size(), 4u);
    EXPECT_EQ(windows.get_components()[0], u"Users");
    EXPECT_EQ(windows.to_string(), u"C:/Users/me/Presets/a.preset");

    for (const char16_t* text : {u"/home/me/.local/share", u"relative/a", u"a", u"/", u"a//b/"}) {
        const FilePath path(text);
        EXPECT_TRUE(path.get_drive().empty());
        EXPECT_EQ(path.to_string(), text);
    }
    EXPECT_EQ(FilePath(u"/x:/y").get_drive(), u"");
    EXPECT_EQ(FilePath(u":/y").to_string(), u":/y");

    FilePath built;
    built.set_drive(u"D");
    built.append(u"Data");
    built.append(u"x");
    EXPECT_EQ(built.to_string(), u"D:/Data/x");
}
