// DigitValue reads only texts made of digits; the leading decimal value reads what a number
// starts with. Neither wraps around.
#include "speeddial/Numbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(DigitValue, OnlyTextsOfDigitsHaveAValue) {
    EXPECT_EQ(DigitValue("0"), 0);
    EXPECT_EQ(DigitValue("007"), 7);
    EXPECT_EQ(DigitValue("99"), 99);
    EXPECT_EQ(DigitValue(""), 0);
    EXPECT_EQ(DigitValue("12a"), 0);
    EXPECT_EQ(DigitValue(" 12"), 0);
    EXPECT_EQ(DigitValue("-1"), 0);
    EXPECT_EQ(DigitValue("1 "), 0);
}

TEST(DigitValue, LongNumbersStayAtTheLargestValue) {
    EXPECT_EQ(DigitValue("2147483647"), kMax);
    EXPECT_EQ(DigitValue("2147483648"), kMax);
    EXPECT_EQ(DigitValue("99999999999999999999999"), kMax);
    EXPECT_EQ(DigitValue("4294967297"), kMax); // would wrap to 1 in 32 bits
}

TEST(LeadingDecimalValue, ReadsBlanksSignAndDigitsUpToTheFirstOtherByte) {
    EXPECT_EQ(LeadingDecimalValue("12"), 12);
    EXPECT_EQ(LeadingDecimalValue("  3x"), 3);
    EXPECT_EQ(LeadingDecimalValue("\t+4"), 4);
    EXPECT_EQ(LeadingDecimalValue("-2"), -2);
    EXPECT_EQ(LeadingDecimalValue("1.9"), 1);
    EXPECT_EQ(LeadingDecimalValue("abc"), 0);
    EXPECT_EQ(LeadingDecimalValue(""), 0);
    EXPECT_EQ(LeadingDecimalValue("- 1"), 0);
}

TEST(LeadingDecimalValue, LongNumbersStayAtTheBounds) {
    EXPECT_EQ(LeadingDecimalValue("4294967297"), kMax); // not 1
    EXPECT_EQ(LeadingDecimalValue("-2147483648"), kMin);
    EXPECT_EQ(LeadingDecimalValue("-99999999999"), kMin);
}

} // namespace
