// Cutting a file's contents into lines where they lie, and finding the header line.
#include "csv/CsvLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CutResult {
    std::vector<std::string> lines;
    std::size_t headerIndex;
};

// Lines are asked for in order, so the header is found on a copy of the text.
CutResult CutText(std::string text) {
    text.push_back('\0');
    std::string copy = text;
    CsvLines header;
    header.Cut(copy.data(), copy.size() - 1);
    CutResult result{{}, header.HeaderIndex()};
    CsvLines lines;
    lines.Cut(text.data(), text.size() - 1);
    for (std::size_t index = 0; index < lines.Count(); ++index)
        result.lines.emplace_back(lines.Line(index));
    return result;
}

using Lines = std::vector<std::string>;

TEST(CsvLines, LineFeedAndCarriageReturnLineFeedEndLines) {
    EXPECT_EQ(CutText("a\nb\r\nc").lines, (Lines{"a", "b", "c"}));
    EXPECT_EQ(CutText("a\nb\n").lines, (Lines{"a", "b", ""}));
    EXPECT_EQ(CutText("\r\n\n").lines, (Lines{"", "", ""}));
}

TEST(CsvLines, LoneCarriageReturnsStayInTheLineWhenAnyLineFeedEndsLines) {
    EXPECT_EQ(CutText("a\r\rb\r\n").lines, (Lines{"a\r\rb", ""}));
    EXPECT_EQ(CutText("a\rb\r\nc\rd\n").lines, (Lines{"a\rb", "c\rd", ""}));
}

TEST(CsvLines, CarriageReturnsEndLinesWhenNoLineFeedDoes) {
    EXPECT_EQ(CutText("a\rb\rc").lines, (Lines{"a", "b", "c"}));
    EXPECT_EQ(CutText("a\r\rb\r").lines, (Lines{"a", "", "b", ""}));
    const CutResult empty = CutText("\r\r\r");
    EXPECT_EQ(empty.lines, (Lines{"", "", "", ""}));
    EXPECT_EQ(empty.headerIndex, 3u);
}

TEST(CsvLines, ZeroBytesDoNotHideLaterLines) {
    const std::string text("a\0x\nb\n", 6);
    const CutResult cut = CutText(text);
    EXPECT_EQ(cut.lines, (Lines{"a", "b", ""}));
}

TEST(CsvLines, HeaderIsTheFirstNonEmptyLine) {
    EXPECT_EQ(CutText("h\nr\n").headerIndex, 0u);
    EXPECT_EQ(CutText("\n\r\n\nh\nr\n").headerIndex, 3u);
    // A line of spaces is not empty.
    EXPECT_EQ(CutText("\n \nr\n").headerIndex, 1u);
    // A line that starts with a zero byte reads as empty.
    EXPECT_EQ(CutText(std::string("\0x\nh\n", 5)).headerIndex, 1u);
}

TEST(CsvLines, HeaderFallsToTheLastLineWhenAllEarlierAreEmpty) {
    EXPECT_EQ(CutText("\n\nh").headerIndex, 2u);
    const CutResult empty = CutText("\n\n\n");
    EXPECT_EQ(empty.headerIndex, 3u);
    EXPECT_EQ(empty.lines[empty.headerIndex], "");
}

} // namespace
