// The fixed columns of version 0 data lines.
#include "speeddial/Version0Line.h"
#include "SpeedDialTestSupport.h"
#include "speeddial/LineFields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
    bool accepted = false;
    SpeedDialRecord record = recordTemplate;
    SessionLists lists;
};

Parsed Parse(std::string line) {
    Parsed parsed;
    LineFields fields;
    fields.Split(line.data());
    parsed.accepted = ParseVersion0Line(fields, parsed.record, parsed.lists);
    return parsed;
}

// A version 0 line of 17 columns with the given ones set.
std::string Line(std::vector<std::pair<int, std::string>> columns, int count = 17) {
    std::vector<std::string> fields(static_cast<std::size_t>(count));
    for (auto& [column, text] : columns)
        fields[static_cast<std::size_t>(column)] = text;
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i ? "," : "") + fields[i];
    return line;
}

TEST(ParseVersion0Line, FillsTheRecordAndKeepsTheMaskedColumnsForLater) {
    const Parsed parsed = Parse(Line({{0, " 7 "},
                                      {1, "P"},
                                      {2, "(02) 2345-0001 ext.9"},
                                      {3, Big5("陳家豪 [業務]")},
                                      {6, " 3 "},
                                      {11, Masked("123:4567")},
                                      {12, "P12/05/#1"},
                                      {14, Masked("12345:9876")}}));
    ASSERT_TRUE(parsed.accepted);
    ExpectSameRecord(
        parsed.record,
        RecordBuilder().Name(Big5("陳家豪 (業務)")).FaxNumber("(02)2345-0001EXT.9").CommMode(1));
    EXPECT_EQ(EntriesAt(parsed.lists, 0),
              (ListEntries{"7", Masked("123:4567"), "P12/05/#1", Masked("12345:9876"), "3"}));
}

TEST(ParseVersion0Line, ModesTwoAndThreeGiveOneAndFourGivesTwo) {
    const std::pair<std::string, int32_t> cases[] = {{"2", 1}, {"3", 1}, {"4", 2},  {"1", 0},
                                                     {"5", 0}, {"", 0},  {"4x", 2}, {"x4", 0}};
    for (const auto& [mode, expected] : cases) {
        const Parsed parsed = Parse(Line({{0, "1"}, {1, "X"}, {2, "123"}, {6, mode}}));
        ASSERT_TRUE(parsed.accepted) << mode;
        EXPECT_EQ(parsed.record.commMode, expected) << mode;
        EXPECT_EQ(parsed.lists.modeTexts.At(0), mode);
    }
}

TEST(ParseVersion0Line, RefusesLinesWithoutKindNumberOrFaxNumber) {
    EXPECT_FALSE(Parse(Line({{0, "1"}, {1, "x"}, {2, "123"}})).accepted);
    EXPECT_FALSE(Parse(Line({{0, "1"}, {1, " X"}, {2, "123"}})).accepted);
    EXPECT_FALSE(Parse(Line({{0, "1"}, {1, "FAX"}, {2, "123"}})).accepted);
    EXPECT_FALSE(Parse("1").accepted);
    EXPECT_FALSE(Parse(Line({{0, "  "}, {1, "X"}, {2, "123"}})).accepted);
    EXPECT_FALSE(Parse("1,X").accepted);
    EXPECT_FALSE(Parse(Line({{0, "1"}, {1, "X"}, {2, " {~} "}})).accepted); // cleans to nothing
    EXPECT_FALSE(Parse(Line({{0, "1"}, {1, "X"}, {2, std::string(31, '9')}})).accepted);

    const Parsed refused = Parse(Line({{0, "1"}, {1, "Z"}, {2, "123"}}));
    EXPECT_EQ(refused.lists.pickedRecords.Size(), 0u);
    EXPECT_EQ(refused.lists.modeTexts.Size(), 0u);
}

TEST(ParseVersion0Line, AFaxNumberOfThirtyBytesAfterCleaningIsKept) {
    const Parsed parsed = Parse(Line({{0, "1"}, {1, "X"}, {2, " " + std::string(30, '8') + " "}}));
    ASSERT_TRUE(parsed.accepted);
    EXPECT_EQ(MemberText(parsed.record.faxNumber), std::string(30, '8'));
}

TEST(ParseVersion0Line, AShortLineLeavesTheUnreachedTextsEmpty) {
    const Parsed parsed = Parse("12,X,02-2345-0001," + Big5("林雅婷"));
    ASSERT_TRUE(parsed.accepted);
    ExpectSameRecord(parsed.record, RecordBuilder().Name(Big5("林雅婷")).FaxNumber("02-2345-0001"));
    EXPECT_EQ(EntriesAt(parsed.lists, 0), (ListEntries{"12", "", "", "", ""}));

    const Parsed noName = Parse("12,X,02-2345-0001");
    ASSERT_TRUE(noName.accepted);
    EXPECT_EQ(MemberText(noName.record.name), "");
}

TEST(ParseVersion0Line, ALongNameIsCutWithoutSplittingACharacter) {
    // 3 + 2 x 17 bytes: the character at bytes 29 and 30 would be split at 30.
    const std::string name = Big5("ABC星河國際貿易股份有限公司台北分公司");
    ASSERT_EQ(name.size(), 37u);
    const Parsed parsed = Parse(Line({{0, "1"}, {1, "X"}, {2, "1"}, {3, name}}));
    ASSERT_TRUE(parsed.accepted);
    EXPECT_EQ(MemberText(parsed.record.name), name.substr(0, 29));

    const std::string even = Big5("星河國際貿易股份有限公司台北分公司");
    const Parsed whole = Parse(Line({{0, "1"}, {1, "X"}, {2, "1"}, {3, even}}));
    EXPECT_EQ(MemberText(whole.record.name), even.substr(0, 30));
}

TEST(ParseVersion0Line, TransmitTypeAndSpeedDialNumberStayAsTheTemplateHasThem) {
    const Parsed parsed = Parse(Line({{0, "44"}, {1, "X"}, {2, "1"}, {12, "P12/05"}}));
    ASSERT_TRUE(parsed.accepted);
    EXPECT_EQ(parsed.record.transmitType, '0');
    EXPECT_EQ(parsed.record.speedDialNumber, 0);
}

} // namespace
