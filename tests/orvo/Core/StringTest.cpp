#include "orvo/Core/String.h"

#include <gtest/gtest.h>

using Orvo::WString;

TEST(String, KeepsShortTextsInlineAndMovesToTheHeapPastSeven) {
    WString text(u"Delay 1");
    EXPECT_TRUE(text.is_inline());
    EXPECT_EQ(text.size(), 7u);
    text += u'!';
    EXPECT_FALSE(text.is_inline());
    EXPECT_EQ(text, u"Delay 1!");
    EXPECT_EQ(text.c_str()[text.size()], u'\0');
}

TEST(String, CopiesAndMovesLeaveIndependentValues) {
    WString longer(u"Panning law of voice 3");
    WString copy = longer;
    copy[0] = u'p';
    EXPECT_EQ(longer, u"Panning law of voice 3");
    WString moved = std::move(copy);
    EXPECT_EQ(moved, u"panning law of voice 3");
    EXPECT_TRUE(copy.empty());

    WString short_text(u"ms");
    WString short_moved = std::move(short_text);
    EXPECT_EQ(short_moved, u"ms");
    EXPECT_TRUE(short_moved.is_inline());
}

TEST(String, AppendingItselfAndAssigningASubstringOfItself) {
    WString text(u"abcdef");
    text.append(text.view());
    EXPECT_EQ(text, u"abcdefabcdef");
    text = text.view().substr(3, 6);
    EXPECT_EQ(text, u"defabc");
}

TEST(String, ComparesCodeUnitByCodeUnit) {
    EXPECT_LT(WString(u"B"), WString(u"a"));
    EXPECT_LT(WString(u"ab"), WString(u"abc"));
    // Units above the surrogate range still compare as unsigned values.
    EXPECT_LT(WString(u"\u00e9"), WString(u"\uff21"));
    EXPECT_EQ(WString(u"x") + u"yz", WString(u"xyz"));
}
