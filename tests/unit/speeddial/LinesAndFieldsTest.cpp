// Cutting a file's text into lines and a line into present and absent fields.
#include "speeddial/LineFields.h"
#include "speeddial/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Cut(std::string text, std::size_t* terminated = nullptr) {
    TextLines lines;
    EXPECT_TRUE(lines.Cut(text.data(), text.size()));
    std::vector<std::string> out;
    for (std::size_t i = 0; i <= lines.TerminatedCount(); ++i)
        out.emplace_back(lines.Line(i));
    if (terminated)
        *terminated = lines.TerminatedCount();
    return out;
}

using Lines = std::vector<std::string>;

TEST(TextLines, CarriageReturnLineFeedAndLineFeedEndLinesAlike) {
    std::size_t terminated = 0;
    EXPECT_EQ(Cut("a\r\nb\nc", &terminated), (Lines{"a", "b", "c"}));
    EXPECT_EQ(terminated, 2u);
    EXPECT_EQ(Cut("a\nb\n", &terminated), (Lines{"a", "b", ""}));
    EXPECT_EQ(terminated, 2u);
}

TEST(TextLines, ALoneCarriageReturnStaysInTheLine) {
    EXPECT_EQ(Cut("a\rb\n"), (Lines{"a\rb", ""}));
    EXPECT_EQ(Cut("a\r\r\n"), (Lines{"a\r", ""}));
    EXPECT_EQ(Cut("a\r"), (Lines{"a\r"}));
}

TEST(TextLines, EmptyLinesAndALineFeedFirst) {
    EXPECT_EQ(Cut("\n\r\n\nx"), (Lines{"", "", "", "x"}));
    std::size_t terminated = 7;
    EXPECT_EQ(Cut("no line feed", &terminated), (Lines{"no line feed"}));
    EXPECT_EQ(terminated, 0u);
}

TEST(TextLines, AZeroByteEndsTheLineItIsIn) {
    std::string text("ab\0cd\nef", 8);
    EXPECT_EQ(Cut(text), (Lines{"ab", "ef"}));
}

TEST(LineFields, AbsentFieldsAreNotEmptyFields) {
    std::string line = "a,,c,";
    LineFields fields;
    EXPECT_EQ(fields.Split(line.data()), 4);
    EXPECT_STREQ(fields.Field(1), "");
    EXPECT_STREQ(fields.Field(3), "");
    EXPECT_EQ(fields.Field(4), nullptr);
    EXPECT_EQ(fields.Field(-1), nullptr);
    EXPECT_TRUE(fields.Equals(1, ""));
    EXPECT_FALSE(fields.Equals(4, ""));
}

TEST(LineFields, AnEmptyLineHasNoFieldAndASpaceIsOne) {
    std::string empty;
    LineFields fields;
    EXPECT_EQ(fields.Split(empty.data()), 0);
    EXPECT_EQ(fields.Field(0), nullptr);
    std::string space = " ";
    EXPECT_EQ(fields.Split(space.data()), 1);
    EXPECT_STREQ(fields.Field(0), " ");
}

TEST(LineFields, AnUnclosedQuoteKeepsTheFieldsCutBeforeIt) {
    std::string line = "1,FAX,\"Chen, Wei,02-1234";
    LineFields fields;
    EXPECT_EQ(fields.Split(line.data()), -6);
    EXPECT_EQ(fields.Count(), 3);
    EXPECT_STREQ(fields.Field(0), "1");
    EXPECT_STREQ(fields.Field(1), "FAX");
    EXPECT_STREQ(fields.Field(2), "Chen, Wei,02-1234");
    EXPECT_EQ(fields.Field(3), nullptr);
}

TEST(LineFields, NoFieldOfAnEarlierLineIsSeenInALaterOne) {
    std::string wide = "a,b,c,d,e,f";
    std::string unclosed = "x,\"y";
    LineFields fields;
    EXPECT_EQ(fields.Split(wide.data()), 6);
    EXPECT_EQ(fields.Split(unclosed.data()), -6);
    EXPECT_EQ(fields.Count(), 2);
    EXPECT_EQ(fields.Field(2), nullptr);
}

TEST(LineFields, ALineOf1100CommasHas1024Fields) {
    std::string line(1100, ',');
    LineFields fields;
    EXPECT_EQ(fields.Split(line.data()), 1024);
    EXPECT_STREQ(fields.Field(1023), "");
    EXPECT_EQ(fields.Field(1024), nullptr);
}

} // namespace
