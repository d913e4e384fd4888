#include "session/SourceFailures.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatText, ReplacesTheOnePlaceholderWithoutLimit) {
    const std::string longPath(5000, 'p');
    EXPECT_EQ(FormatText("a%sb", longPath), "a" + longPath + "b");
    EXPECT_EQ(FormatText("x%s", std::string("%s%d")), "x%s%d");
    EXPECT_EQ(FormatText("n=%d.", -12), "n=-12.");
    EXPECT_EQ(FormatText("plain", std::string("x")), "plain");
}

TEST(SourceFailureMessage, FailuresWithoutTextOfTheirOwnShareTheAccessText) {
    EXPECT_EQ(SourceFailureMessage(-1, "f"), SourceFailureMessage(-4, "f"));
    EXPECT_EQ(SourceFailureMessage(-2, "f"), SourceFailureMessage(-4, "f"));
    EXPECT_NE(SourceFailureMessage(-3, "f"), SourceFailureMessage(-4, "f"));
    EXPECT_NE(SourceFailureMessage(-5, "f"), SourceFailureMessage(-6, "f"));
    EXPECT_NE(SourceFailureMessage(-6, "f"), SourceFailureMessage(-7, "f"));
    for (int code = -7; code <= -1; ++code)
        EXPECT_NE(SourceFailureMessage(code, "C:\\x.csv").find("C:\\x.csv"), std::string::npos);
}

TEST(SourceFailureOf, EachReadFailureHasItsCode) {
    EXPECT_EQ(SourceFailureOf(platform::ReadStatus::CannotOpen), -1);
    EXPECT_EQ(SourceFailureOf(platform::ReadStatus::CannotSize), -2);
    EXPECT_EQ(SourceFailureOf(platform::ReadStatus::OutOfMemory), -3);
    EXPECT_EQ(SourceFailureOf(platform::ReadStatus::CannotRead), -4);
}

} // namespace
