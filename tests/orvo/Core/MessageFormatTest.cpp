#include "orvo/Core/MessageFormat.h"

#include <gtest/gtest.h>

using namespace Orvo;

namespace {
std::u16string fill(std::u16string_view a_template) {
    return std::u16string(format_message(a_template, {u"one", u"two", u"three"}).view());
}
} // namespace

TEST(MessageFormat, ReplacesNumberedAndBracketedArguments) {
    EXPECT_EQ(fill(u"Node \"@1\":\nNo subnode with id \"@2\"."),
              u"Node \"one\":\nNo subnode with id \"two\".");
    EXPECT_EQ(fill(u"@[3]0"), u"three0");
    EXPECT_EQ(fill(u"@@1 is @1"), u"@1 is one");
    EXPECT_EQ(fill(u"@3@2@1"), u"threetwoone");
}

TEST(MessageFormat, CopiesWhatDoesNotResolve) {
    EXPECT_EQ(fill(u"@0 @4 @x @"), u"@0 @4 @x @");
    EXPECT_EQ(fill(u"@[2"), u"@[2");
    EXPECT_EQ(fill(u"@[]"), u"@[]");
    // All consecutive digits form the number, so @12 is argument 12, not argument 1 then "2".
    EXPECT_EQ(fill(u"@12"), u"@12");
    EXPECT_EQ(fill(u"@99999999999999999999999"), u"@99999999999999999999999");
}
