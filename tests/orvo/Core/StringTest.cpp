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

TEST(String, AppendingItselfAndAssigningASubstringOfItself) {
    WString text(u"abcdef");
    text.append(text.view());
    EXPECT_EQ(text, u"abcdefabcdef");
    text = text.view().substr(3, 6);
    EXPECT_EQ(text, u"defabc");
}
