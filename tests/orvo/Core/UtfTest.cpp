#include "orvo/Core/Utf.h"
#include "orvo/Core/OperationFailedException.h"

#include <gtest/gtest.h>

using namespace Orvo;

TEST(Utf, RoundTripsEveryPlane) {
    const std::string text = "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x8e\xb5"; // a, é, €, U+1F3B5
    const auto wide = utf8_to_utf16(text);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->view(), std::u16string_view(u"a\u00e9\u20ac\U0001F3B5"));
    EXPECT_EQ(wide->size(), 5u);
    EXPECT_EQ(utf16_to_utf8(wide->view()), text);
    EXPECT_TRUE(utf8_to_utf16("")->empty());
}

TEST(Utf, RejectsMalformedInput) {
    for (const std::string bad : {"\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                                  "\xe2\x82", "\x80", "\xff", "ab\xc3"}) {
        EXPECT_FALSE(utf8_to_utf16(bad)) << bad;
    }
    EXPECT_FALSE(utf16_to_utf8(std::u16string_view(u"\xd800x", 2)));
    EXPECT_FALSE(utf16_to_utf8(std::u16string(1, char16_t(0xDC00))));
    EXPECT_THROW(to_utf16("\xff"), OperationFailedException);
    EXPECT_THROW(to_utf8(std::u16string(1, char16_t(0xD800))), OperationFailedException);
    EXPECT_EQ(utf8_to_utf16_lossy("a\xff").view(), std::u16string_view(u"a\ufffd"));
}
