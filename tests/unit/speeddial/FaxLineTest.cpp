// The data lines of versions 1 to 6, laid out from the fax column.
#include "speeddial/FaxLine.h"
#include "SpeedDialTestSupport.h"
#include "speeddial/LineFields.h"
#include "text/PlatformScopes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kFax = 3;
constexpr int kCheck = kFax + 27;

struct Parsed {
    bool accepted = false;
    SpeedDialRecord record = recordTemplate;
    SessionLists lists;
};

Parsed Parse(std::string line, EwsFormat format, int faxColumn = kFax, int encColumn = -1) {
    Parsed parsed;
    LineFields fields;
    fields.Split(line.data());
    parsed.accepted =
        ParseFaxLine(fields, parsed.record, parsed.lists, faxColumn, encColumn, format);
    return parsed;
}

constexpr EwsFormat kV1Clear{1, 1};
constexpr EwsFormat kV1Masked{1, 2};
constexpr EwsFormat kV2{2, 3};
constexpr EwsFormat kV5{5, 0};
constexpr EwsFormat kV6{6, 0};

// A line: number, type, name, the fax column at 3 and fields counted from it. `count` fields
// in all (0: up to the check column when there is one, else to F + 26).
struct LineBuilder {
    std::string number = "1";
    std::string type = "FAX";
    std::string name = "Name";
    std::map<int, std::string> offsets{{0, "02-2345-0001"}};
    std::string check;
    bool withCheck = false;
    int count = 0;

    LineBuilder& At(int offset, std::string text) {
        offsets[offset] = std::move(text);
        return *this;
    }
    LineBuilder& Check(std::string text) {
        check = std::move(text);
        withCheck = true;
        return *this;
    }
    std::string Text() const {
        std::vector<std::string> fields(withCheck ? kCheck + 1 : kFax + 27);
        fields[0] = number;
        fields[1] = type;
        fields[2] = name;
        for (const auto& [offset, text] : offsets)
            fields[static_cast<std::size_t>(kFax + offset)] = text;
        if (withCheck)
            fields[kCheck] = check;
        if (count > 0)
            fields.resize(static_cast<std::size_t>(count));
        std::string line;
        for (std::size_t i = 0; i < fields.size(); ++i)
            line += (i ? "," : "") + fields[i];
        return line;
    }
};

std::string CheckOf(std::string_view plain) {
    std::string text = Base64(plain);
    for (char& byte : text)
        if (byte == '0')
            byte = '-';
    return text;
}

TEST(ParseFaxLine, FillsEveryMemberAndListFromAFullLine) {
    LineBuilder line;
    line.number = " 12 ";
    line.name = Big5("林雅婷 [總公司]");
    line.At(0, " (03) 456-0002 ")
        .At(2, " 2 ")
        .At(11, "1")
        .At(12, Masked("4567"))
        .At(13, "123")
        .At(14, "1")
        .At(15, "12")
        .At(16, "1")
        .At(17, Base64("05#1"))
        .At(21, "12345")
        .At(22, Masked("9876"));
    const Parsed parsed = Parse(line.Text(), kV2);
    ASSERT_TRUE(parsed.accepted);
    ExpectSameRecord(parsed.record, RecordBuilder()
                                        .Name(Big5("林雅婷 (總公司)"))
                                        .FaxNumber("(03)456-0002")
                                        .CommMode(2)
                                        .TransmitType(kTransmitRelayAndConfidential)
                                        .SpeedDialNumber(12));
    EXPECT_EQ(EntriesAt(parsed.lists, 0),
              (ListEntries{"12", "123:4567", "P12/05/#1", "12345:9876", "2"}));
}

TEST(ParseFaxLine, RefusesLinesWithoutFaxTypeNumberOrFaxNumber) {
    const auto refused = [](LineBuilder line, EwsFormat format = kV1Clear) {
        return !Parse(line.Text(), format).accepted;
    };
    LineBuilder line;
    EXPECT_FALSE(refused(line));
    line.type = "fax";
    EXPECT_TRUE(refused(line));
    line.type = " FAX";
    EXPECT_TRUE(refused(line));
    line.type = "FAX ";
    EXPECT_TRUE(refused(line));
    line = LineBuilder();
    line.number = "  ";
    EXPECT_TRUE(refused(line));
    line = LineBuilder();
    line.At(0, " - ").At(0, " {} ");
    EXPECT_TRUE(refused(line));
    line.At(0, std::string(31, '5'));
    EXPECT_TRUE(refused(line));
    line.At(0, std::string(30, '5'));
    EXPECT_FALSE(refused(line));
    line.count = kFax; // the fax column is absent
    EXPECT_TRUE(refused(line));

    EXPECT_FALSE(Parse("1,FAX", kV1Clear).accepted);
    EXPECT_FALSE(Parse(LineBuilder().Text(), kV1Clear, -1).accepted);
    EXPECT_FALSE(
        Parse(LineBuilder().Check(CheckOf("02-2345-0001")).Text(), kV5, kFax, -1).accepted);
}

TEST(ParseFaxLine, ModesOneAndTwoAreKeptAndOthersGiveZero) {
    const std::pair<std::string, int32_t> cases[] = {{"1", 1}, {"2", 2}, {" 2 ", 2}, {"3", 0},
                                                     {"0", 0}, {"", 0},  {"x", 0},   {"1x", 1}};
    for (const auto& [mode, expected] : cases) {
        const Parsed parsed = Parse(LineBuilder().At(2, mode).Text(), kV1Clear);
        ASSERT_TRUE(parsed.accepted) << mode;
        EXPECT_EQ(parsed.record.commMode, expected) << mode;
    }
    EXPECT_EQ(Parse(LineBuilder().At(2, " 2 ").Text(), kV1Clear).lists.modeTexts.At(0), "2");
}

TEST(ParseFaxLine, TransmitTypeFromTheConfidentialAndRelayFlags) {
    const auto typeOf = [](std::string confidential, std::string relay, int count = 0) {
        LineBuilder line;
        line.At(11, std::move(confidential)).At(14, std::move(relay));
        line.count = count;
        return Parse(line.Text(), kV1Clear).record.transmitType;
    };
    EXPECT_EQ(typeOf("", ""), '0');
    EXPECT_EQ(typeOf("1", ""), '4');
    EXPECT_EQ(typeOf("", "1"), '1');
    EXPECT_EQ(typeOf(" 1 ", " 1"), kTransmitRelayAndConfidential);
    EXPECT_EQ(typeOf("2", "0"), '0');
    EXPECT_EQ(typeOf("1", "", kFax + 14), '0'); // the line ends before the relay flag
}

TEST(ParseFaxLine, PasswordsAreDecodedFromVersionOneRevisionTwoOn) {
    const std::string clear = LineBuilder().At(12, "4567").At(13, "123").At(22, "9876").Text();
    const std::string masked =
        LineBuilder().At(12, Masked("4567")).At(13, "123").At(22, Masked("9876")).Text();
    for (const int revision : {0, 1}) {
        const Parsed parsed = Parse(clear, {1, revision});
        EXPECT_EQ(parsed.lists.confidentialTexts.At(0), "123:4567");
        EXPECT_EQ(parsed.lists.fcodeTexts.At(0), ":9876");
    }
    for (const EwsFormat format : {kV1Masked, kV2, EwsFormat{3, 0}}) {
        const Parsed parsed = Parse(masked, format);
        EXPECT_EQ(parsed.lists.confidentialTexts.At(0), "123:4567");
        EXPECT_EQ(parsed.lists.fcodeTexts.At(0), ":9876");
    }
}

TEST(ParseFaxLine, SecretTextsNeedOneOfTheirTwoFields) {
    EXPECT_EQ(Parse(LineBuilder().At(13, "7").Text(), kV2).lists.confidentialTexts.At(0), "7:");
    EXPECT_EQ(Parse(LineBuilder().Text(), kV2).lists.confidentialTexts.At(0), "");
    EXPECT_EQ(Parse(LineBuilder().At(21, "0042").Text(), kV2).lists.fcodeTexts.At(0), "0042:");
    EXPECT_EQ(Parse(LineBuilder().At(22, " ").Text(), kV1Clear).lists.fcodeTexts.At(0), ": ");
    // A password that does not decode leaves only the colon.
    EXPECT_EQ(
        Parse(LineBuilder().At(12, "abc").At(13, "1").Text(), kV2).lists.confidentialTexts.At(0),
        "1:");
}

TEST(ParseFaxLine, AShortLineRunsOnlyTheActionsItReaches) {
    LineBuilder line;
    line.At(12, "4567").At(13, "123").At(15, "12").At(17, Base64("05"));
    line.count = kFax + 14; // up to the confidential box
    const Parsed parsed = Parse(line.Text(), kV1Clear);
    ASSERT_TRUE(parsed.accepted);
    EXPECT_EQ(EntriesAt(parsed.lists, 0), (ListEntries{"1", "123:4567", "", "", ""}));

    line.count = kFax + 17; // the relay targets column is absent
    EXPECT_EQ(Parse(line.Text(), kV1Clear).lists.relayTexts.At(0), "");
    line.count = kFax + 18;
    EXPECT_EQ(Parse(line.Text(), kV1Clear).lists.relayTexts.At(0), "12/05");
    line.count = kFax + 22; // the F-code password column is absent
    line.At(21, "99");
    EXPECT_EQ(Parse(line.Text(), kV1Clear).lists.fcodeTexts.At(0), "");
}

std::string RelayOf(std::string station, std::string targets, std::string option = "") {
    LineBuilder line;
    line.At(15, std::move(station)).At(16, std::move(option)).At(17, std::move(targets));
    return Parse(line.Text(), kV1Clear).lists.relayTexts.At(0);
}

TEST(ParseFaxLine, RelayTextFromStationOptionAndTargets) {
    EXPECT_EQ(RelayOf("12", Base64("05#1")), "12/05/#1");
    EXPECT_EQ(RelayOf("12", Base64("05#1"), " 1 "), "P12/05/#1");
    EXPECT_EQ(RelayOf("12", Base64("05"), "2"), "12/05");
    EXPECT_EQ(RelayOf("12", ""), "12/");
    EXPECT_EQ(RelayOf("", Base64("05")), "/05");
    EXPECT_EQ(RelayOf("", ""), "");
    EXPECT_EQ(RelayOf(" 3 ", Base64("01")), " 3 /01"); // the station is kept raw
}

TEST(ParseFaxLine, RelayTargetsStopAtDoubleZeroAtTheEndOrAfterTwentyPairs) {
    EXPECT_EQ(RelayOf("12", Base64("050007")), "12/05");
    EXPECT_EQ(RelayOf("12", Base64("05#")), "12/05/#");
    EXPECT_EQ(RelayOf("12", Base64("0a0b")), "12/0a/0b");
    std::string many;
    std::string expected = "12";
    for (int i = 10; i < 60; ++i) {
        many += std::to_string(i);
        if (i < 30)
            expected += "/" + std::to_string(i);
    }
    EXPECT_EQ(RelayOf("12", Base64(many)), expected);
    EXPECT_EQ(RelayOf("12", "MDU"), "12/"); // not Base64: no targets
}

TEST(ParseFaxLine, OverLongRelayTargetsAreReadOnlyAsFarAsTheyAreUsed) {
    const std::string huge = Base64(std::string(3000, '7'));
    std::string expected = "12";
    for (int i = 0; i < 20; ++i)
        expected += "/77";
    EXPECT_EQ(RelayOf("12", huge), expected);
}

TEST(ParseFaxLine, SpeedDialNumberIsKeptFromVersionTwoOn) {
    LineBuilder line;
    line.number = " 42x ";
    EXPECT_EQ(Parse(line.Text(), kV1Masked).record.speedDialNumber, 0);
    EXPECT_EQ(Parse(line.Text(), kV2).record.speedDialNumber, 42);
    EXPECT_EQ(Parse(line.Text(), kV2).lists.pickedRecords.At(0), "42x");
}

TEST(ParseFaxLine, LongNamesAreCutAtACharacterBoundary) {
    LineBuilder line;
    line.name = Big5("ABC星河國際貿易股份有限公司台北分公司");
    EXPECT_EQ(MemberText(Parse(line.Text(), kV1Clear).record.name), line.name.substr(0, 29));
    line.name = std::string(40, 'n');
    EXPECT_EQ(MemberText(Parse(line.Text(), kV1Clear).record.name), std::string(30, 'n'));
}

TEST(ParseFaxLine, TheCheckColumnMustBeTheFaxNumberAsWritten) {
    LineBuilder line;
    ASSERT_NE(CheckOf("02-2345-0001").find('-'), std::string::npos); // '0' is written as '-'
    EXPECT_TRUE(Parse(line.Check(CheckOf("02-2345-0001")).Text(), kV5, kFax, kCheck).accepted);
    EXPECT_FALSE(Parse(line.Check(CheckOf("02-2345-0002")).Text(), kV5, kFax, kCheck).accepted);

    line.At(0, " 02-2345-0001 "); // compared as split, before trimming
    EXPECT_TRUE(Parse(line.Check(CheckOf(" 02-2345-0001 ")).Text(), kV5, kFax, kCheck).accepted);
    EXPECT_FALSE(Parse(line.Check(CheckOf("02-2345-0001")).Text(), kV5, kFax, kCheck).accepted);
    EXPECT_FALSE(Parse(line.Check("").Text(), kV5, kFax, kCheck).accepted);
    EXPECT_FALSE(Parse(line.Check("not base64!").Text(), kV5, kFax, kCheck).accepted);
    line.withCheck = false; // the check column is absent
    EXPECT_FALSE(Parse(line.Text(), kV5, kFax, kCheck).accepted);
}

TEST(ParseFaxLine, TheCheckColumnNamesTheFCodeSubaddressAfterATab) {
    LineBuilder line;
    const auto accepted = [&line](std::string plain) {
        return Parse(line.Check(CheckOf(plain)).Text(), kV6, kFax, kCheck).accepted;
    };
    EXPECT_TRUE(accepted("02-2345-0001"));
    EXPECT_TRUE(accepted("02-2345-0001\t"));
    EXPECT_FALSE(accepted("02-2345-0001\t0042"));
    line.At(21, "0042");
    EXPECT_TRUE(accepted("02-2345-0001\t0042"));
    EXPECT_TRUE(accepted("02-2345-0001\t0042\tignored"));
    EXPECT_FALSE(accepted("02-2345-0001"));
    EXPECT_FALSE(accepted("02-2345-0001\t0043"));
    EXPECT_FALSE(accepted("02-2345-0001\t0042 "));
}

TEST(ParseFaxLine, AnOverLongCheckColumnFails) {
    const std::string fax = std::string(180, ' ') + "02-2345-0001";
    LineBuilder line;
    line.At(0, fax);
    const std::string check = CheckOf(fax); // 256 bytes: one more than the working text holds
    ASSERT_EQ(check.size(), 256u);
    EXPECT_FALSE(Parse(line.Check(check).Text(), kV5, kFax, kCheck).accepted);

    const std::string shorter = std::string(177, ' ') + "02-2345-0001";
    line.At(0, shorter);
    ASSERT_EQ(CheckOf(shorter).size(), 252u);
    EXPECT_TRUE(Parse(line.Check(CheckOf(shorter)).Text(), kV5, kFax, kCheck).accepted);
}

TEST(ParseFaxLine, VersionSixNamesAreConvertedFromUtf8) {
    LineBuilder line;
    line.name = "陳家豪 [業務部]";
    const Parsed parsed = Parse(line.Check(CheckOf("02-2345-0001")).Text(), kV6, kFax, kCheck);
    ASSERT_TRUE(parsed.accepted);
    EXPECT_EQ(MemberText(parsed.record.name), Big5("陳家豪 (業務部)"));

    line.name = "ABC星河國際貿易股份有限公司台北分公司";
    EXPECT_EQ(MemberText(Parse(line.Text(), kV6, kFax, kCheck).record.name),
              Big5("ABC星河國際貿易股份有限公司台"));
}

TEST(ParseFaxLine, VersionSixNamesOfAnyLengthStayWithinTheirBuffers) {
    LineBuilder line;
    line.Check(CheckOf("02-2345-0001"));
    line.name = std::string(127, 'a');
    EXPECT_EQ(MemberText(Parse(line.Text(), kV6, kFax, kCheck).record.name), std::string(30, 'a'));
    line.name = std::string(128, 'b');
    EXPECT_EQ(MemberText(Parse(line.Text(), kV6, kFax, kCheck).record.name), std::string(30, 'b'));
    line.name = std::string(5000, 'c');
    EXPECT_EQ(MemberText(Parse(line.Text(), kV6, kFax, kCheck).record.name), std::string(30, 'c'));

    std::string chinese;
    for (int i = 0; i < 200; ++i)
        chinese += "星";
    line.name = chinese;
    std::string expected;
    for (int i = 0; i < 15; ++i)
        expected += "星";
    EXPECT_EQ(MemberText(Parse(line.Text(), kV6, kFax, kCheck).record.name), Big5(expected));

    line.name = "x";
    for (int i = 0; i < 200; ++i)
        line.name += "é"; // two bytes in UTF-8, one character not in Big5
    const Parsed parsed = Parse(line.Text(), kV6, kFax, kCheck);
    ASSERT_TRUE(parsed.accepted);
    EXPECT_EQ(MemberText(parsed.record.name).size(), 30u);
}

TEST(ParseFaxLine, VersionSixNamesFollowTheAnsiCodePage) {
    AnsiCodePageScope vietnamese(1258);
    LineBuilder line;
    line.Check(CheckOf("02-2345-0001"));
    line.name = "Việt";
    EXPECT_EQ(MemberText(Parse(line.Text(), kV6, kFax, kCheck).record.name),
              "Vi\xEA\xF2t"); // e with circumflex, then the dot below as its own byte
}

TEST(ParseFaxLine, AVersionSixNameThatCannotBeConvertedIsLeftEmpty) {
    AnsiCodePageScope unknown(12345);
    LineBuilder line;
    line.name = "陳家豪";
    const Parsed parsed = Parse(line.Check(CheckOf("02-2345-0001")).Text(), kV6, kFax, kCheck);
    ASSERT_TRUE(parsed.accepted);
    EXPECT_EQ(MemberText(parsed.record.name), "");
}

TEST(ParseFaxLine, VersionsBeforeSixKeepTheNameBytes) {
    LineBuilder line;
    line.name = "陳"; // UTF-8 bytes, taken as they are
    EXPECT_EQ(MemberText(
                  Parse(line.Check(CheckOf("02-2345-0001")).Text(), kV5, kFax, kCheck).record.name),
              "陳");
}

} // namespace
