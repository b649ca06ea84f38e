#include "orvo/Core/Assert.h"
#include "orvo/Core/FourCc.h"
#include "orvo/Core/OperationFailedException.h"

#include <gtest/gtest.h>

using namespace Orvo;

namespace {
void check_positive(int a_value) {
    ORVO_ASSERT(a_value > 0);
}
} // namespace

TEST(Assertions, CarryConditionTextSourcePathSignatureAndLine) {
    try {
        check_positive(0);
        FAIL() << "no exception";
    } catch (const Exception& failure) {
        EXPECT_EQ(failure.get_message(), u"a_value > 0");
        EXPECT_EQ(failure.get_source_path(), "tests/orvo/Core/ExceptionTest");
        EXPECT_NE(failure.get_function().find("check_positive(int)"), std::string::npos);
        EXPECT_GT(failure.get_line(), 0);
        EXPECT_STREQ(failure.what(), "a_value > 0");
    }
}

TEST(FourCc, FirstCharacterInTheLowestByte) {
    static_assert(four_cc("PrPa") == 0x61507250u);
    EXPECT_EQ(four_cc_text(four_cc("Valu")), u"Valu");
    EXPECT_EQ(four_cc_text(3), u"3");
    EXPECT_EQ(four_cc_text(0x7F414141u), u"2134982977");
    EXPECT_EQ(four_cc_text(four_cc("a b~")), u"a b~");
}
