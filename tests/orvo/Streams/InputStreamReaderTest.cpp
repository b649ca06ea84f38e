#include "orvo/Streams/InputStreamReader.h"
#include "orvo/Core/OperationFailedException.h"
#include "orvo/Streams/MemoryInputStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Orvo;

namespace {

std::vector<std::string> narrow_lines(const std::string& a_bytes) {
    MemoryInputStream input(a_bytes.data(), a_bytes.size());
    InputStreamReader reader(&input);
    std::vector<std::string> lines;
    std::string line;
    while (reader.read_line(line))
        lines.push_back(line);
    return lines;
}

std::vector<std::u16string> wide_lines(const std::string& a_bytes) {
    MemoryInputStream input(a_bytes.data(), a_bytes.size());
    InputStreamReader reader(&input);
    std::vector<std::u16string> lines;
    WString line;
    while (reader.read_line(line))
        lines.emplace_back(line.view());
    return lines;
}

using Lines = std::vector<std::string>;
using WideLines = std::vector<std::u16string>;

} // namespace

TEST(InputStreamReader, DetectsTheByteOrderMark) {
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        std::size_t left;
    };
    const Case cases[] = {
        {std::string("\x00\x00\xFE\xFFxy", 6), TextEncoding_UTF32_BE, 2},
        {std::string("\xFF\xFE\x00\x00xy", 6), TextEncoding_UTF32_LE, 2},
        {std::string("\xFF\xFE\x00", 3), TextEncoding_UTF16_LE, 1},
        {"\xFF\xFEx", TextEncoding_UTF16_LE, 1},
        {"\xFE\xFFxy", TextEncoding_UTF16_BE, 2},
        {"\xEF\xBB\xBFx", TextEncoding_UTF8, 1},
        {"\xEF\xBB\xBF", TextEncoding_UTF8, 0},
        // Too short for the mark it begins: nothing is consumed.
        {"\xEF\xBB", TextEncoding_NONE, 2},
        {"\xFF", TextEncoding_NONE, 1},
        {"abcd", TextEncoding_NONE, 4},
    };
    for (const Case& c : cases) {
        MemoryInputStream input(c.bytes.data(), c.bytes.size());
        InputStreamReader reader(&input);
        EXPECT_EQ(reader.get_encoding(), c.encoding) << c.bytes;
        EXPECT_EQ(input.get_remaining(), c.left) << c.bytes;
    }
}

TEST(InputStreamReader, SplitsAtLfCrAndCrLf) {
    EXPECT_EQ(narrow_lines("\xEF\xBB\xBF"
                           "a\r\nb\rc\n"),
              (Lines{"a", "b", "c"}));
    EXPECT_EQ(narrow_lines("\xEF\xBB\xBF"
                           "a\n\nb"),
              (Lines{"a", "", "b"}));
    EXPECT_EQ(narrow_lines("\xEF\xBB\xBF"
                           "a\r"),
              (Lines{"a"}));
    EXPECT_EQ(narrow_lines("\xEF\xBB\xBF"
                           "\r\r\n"),
              (Lines{"", ""}));
    EXPECT_EQ(narrow_lines("\xEF\xBB\xBF"), Lines{});
}

TEST(InputStreamReader, MalformedLinesThrow) {
    EXPECT_THROW(wide_lines("\xEF\xBB\xBF\xFF\n"), OperationFailedException);
    EXPECT_THROW(narrow_lines(std::string("\xFF\xFE\x00\xD8", 4)), OperationFailedException);
    EXPECT_THROW(InputStreamReader(nullptr), Exception);
}

TEST(InputStreamReader, ConvertsBetweenUtf8AndUtf16) {
    // "é€" then CR LF then "x", as UTF-8 and as UTF-16LE.
    const std::string utf8 = "\xEF\xBB\xBF\xC3\xA9\xE2\x82\xAC\r\nx";
    const std::string utf16("\xFF\xFE\xE9\x00\xAC\x20\r\x00\n\x00x\x00", 12);
    const WideLines wide{u"\u00e9\u20ac", u"x"};
    const Lines narrow{"\xC3\xA9\xE2\x82\xAC", "x"};
    EXPECT_EQ(wide_lines(utf8), wide);
    EXPECT_EQ(wide_lines(utf16), wide);
    EXPECT_EQ(narrow_lines(utf8), narrow);
    EXPECT_EQ(narrow_lines(utf16), narrow);
    // A trailing odd byte is not a code unit.
    EXPECT_EQ(wide_lines(utf16 + "y"), wide);
}
