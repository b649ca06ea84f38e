// stylecheck: what a user editing the installed sheet sees.

#include "tools/stylecheck/StyleCheck.h"
#include "../support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct CheckCase {
    const char* name;
    const char* text; // nullptr: no file
    int status;
    std::string out; // with "F" for the file's path
};

const CheckCase check_cases[] = {
    {"Clean", "class Widget;\n  text_color: #102030;\nend class;\n", 0, ""},
    {"ErrorsWithPositions", "ink = 1;\nclass Widget;\n  text_color: @inc;\nend class;\nink = 2;\n",
     1, "F:3:15: Undefined object: \"inc\"\nF:5:1: Object \"ink\" already defined\n"},
    {"UnknownNamesAreWarnings",
     "class Widget;\n  text_colour: #102030;\n  subclass default; case a; +pressed; end case;\n"
     "  end subclass;\nend class;\n",
     0,
     "F:2:3: warning: Unknown property \"text_colour\"\nF:3:30: warning: Unknown switch "
     "\"pressed\"\n"},
    {"MissingFile", nullptr, 1, ""},
};

class StyleCheckRun : public testing::TestWithParam<CheckCase> {};

TEST_P(StyleCheckRun, PrintsAndExitsAsTheSheetSays) {
    TestSupport::TemporaryFolder folder;
    const std::string path = (folder.path() / "stylesheet.dat").string();
    if (GetParam().text)
        std::ofstream(path) << GetParam().text;
    std::ostringstream out, err;
    EXPECT_EQ(StyleCheck::run({path}, out, err), GetParam().status);
    // Each line starts with "F:", the file's path.
    std::string expected;
    std::istringstream lines(GetParam().out);
    for (std::string line; std::getline(lines, line);)
        expected += path + line.substr(1) + "\n";
    EXPECT_EQ(out.str(), expected);
    EXPECT_EQ(err.str().empty(), GetParam().status == 0);
}

INSTANTIATE_TEST_SUITE_P(Sheets, StyleCheckRun, testing::ValuesIn(check_cases),
                         [](const auto& a_info) { return std::string(a_info.param.name); });

TEST(StyleCheckCommandLine, NeedsExactlyOneFile) {
    std::ostringstream out, err;
    EXPECT_EQ(StyleCheck::run({}, out, err), 2);
    EXPECT_EQ(StyleCheck::run({"a", "b"}, out, err), 2);
    EXPECT_EQ(StyleCheck::run({"--frobnicate"}, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("usage: stylecheck FILE"), std::string::npos);
}

} // namespace
