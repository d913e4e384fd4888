// The sample exports in examples/ import as their generator describes them: every accepted
// record is checked byte for byte after reading and after writing, for each format version.
#include "SpeedDialTestSupport.h"
#include "speeddial/SpeedDialReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const std::string kExamples = IMPORTER_EXAMPLES_DIR;

struct Imported {
    int result = 0;
    int32_t excluded = -1;
    SessionLists lists;
    SpeedDialState state;
    std::vector<SpeedDialRecord> parsed; // the table before the records are written
    std::string written;                 // the records after the count
};

// Imports the file, picking every entry in list order, and writes the records.
Imported ImportAndWrite(const std::string& file, bool keepNumbers) {
    Imported imported;
    ScriptedSpeedDialDialogs dialogs;
    dialogs.script = PickEveryEntry();
    imported.result = ImportSpeedDialFile(kExamples + "/" + file, imported.lists, imported.excluded,
                                          0, imported.state, dialogs);
    const auto records = imported.state.speedDialTable.Records();
    imported.parsed.assign(records.begin(), records.end());
    ExchangeFileBuffer buffer;
    ScriptedMemoQuestion memo;
    memo.answer = keepNumbers;
    EXPECT_TRUE(WriteSpeedDialRecords(imported.lists, buffer, imported.state.speedDialTable,
                                      imported.state.format.ewsFormatVersion, memo));
    imported.written = buffer.Bytes();
    return imported;
}

SpeedDialRecord WrittenRecord(const Imported& imported, std::size_t index) {
    SpeedDialRecord record;
    std::memcpy(&record, imported.written.data() + index * sizeof record, sizeof record);
    return record;
}

std::vector<std::string> Entries(const StringList& list) {
    return std::vector<std::string>(list.begin(), list.end());
}

const std::string kLongName = "ABC星河國際貿易股份有限公司台";

TEST(ExampleFiles, VersionZero) {
    const Imported imported = ImportAndWrite("speeddial-v0.csv", true);
    ASSERT_EQ(imported.result, 5);
    EXPECT_EQ(imported.excluded, 2);
    EXPECT_EQ(imported.state.format.ewsFormatVersion, 0);

    const RecordBuilder chen =
        RecordBuilder().Name(Big5("陳家豪")).FaxNumber("02-2345-0001").CommMode(1);
    const RecordBuilder lin =
        RecordBuilder().Name(Big5("林雅婷")).FaxNumber("(03)456-0002").CommMode(2);
    const RecordBuilder wang =
        RecordBuilder().Name(Big5("王志明(總公司)")).FaxNumber("0423450003").CommMode(1);
    const RecordBuilder company = RecordBuilder().Name(Big5(kLongName)).FaxNumber("(02)2345-0004");
    const RecordBuilder lee =
        RecordBuilder().Name(Big5("李美玲")).FaxNumber("+886-7-345-0005").CommMode(1);
    const SpeedDialRecord parsed[] = {chen, lin, wang, company, lee};
    ASSERT_EQ(imported.parsed.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        ExpectSameRecord(imported.parsed[i], parsed[i], "read " + std::to_string(i));

    // Picked in list order: 1, 10, 11, 2, 3.
    EXPECT_EQ(Entries(imported.lists.pickedRecords),
              (std::vector<std::string>{"0", "2", "3", "1", "4"}));
    EXPECT_EQ(
        Entries(imported.lists.confidentialTexts),
        (std::vector<std::string>{Masked("123:4567"), "", "", Masked("12:34"), Masked("45:6789")}));
    EXPECT_EQ(Entries(imported.lists.relayTexts),
              (std::vector<std::string>{"", "P12/05/#1", "7/1*/a/**/9", "", "P3/01/02"}));
    EXPECT_EQ(Entries(imported.lists.fcodeTexts),
              (std::vector<std::string>{"", Masked("12345:9876"), "", "", Masked("8:")}));
    EXPECT_EQ(Entries(imported.lists.modeTexts),
              (std::vector<std::string>{"2", "4", "3", "1", "2"}));
    EXPECT_EQ(imported.lists.recipients.At(0), Big5("陳家豪") + " [02-2345-0001]");

    ASSERT_EQ(imported.written.size(), 5 * sizeof(SpeedDialRecord));
    const SpeedDialRecord written[] = {
        RecordBuilder(chen).TransmitType('4').Box("123").Password("4567"),
        RecordBuilder(wang).TransmitType('1').Station("7").Targets({"01*", "0**", "009"}),
        RecordBuilder(company).Box("12").Password("34"),
        RecordBuilder(lin)
            .TransmitType('1')
            .Station("12")
            .Option('1')
            .Targets({"005", "0#1"})
            .Subaddress("12345")
            .FCodePassword("9876"),
        RecordBuilder(lee)
            .Box("45")
            .Password("6789")
            .Station("3")
            .Option('1')
            .Targets({"001", "002"})
            .Subaddress("8"),
    };
    for (std::size_t i = 0; i < 5; ++i)
        ExpectSameRecord(WrittenRecord(imported, i), written[i], "written " + std::to_string(i));
}

// Versions 1 to 6 share their entries; what differs is the masking, the memo numbers, the
// check column and the encoding of the names.
struct FaxFileCase {
    const char* file;
    int32_t version;
    int32_t revision;
    int32_t excluded;
    bool numbersRead;
    bool keepNumbers;
    const char* firstName;
};

class FaxExampleFiles : public ::testing::TestWithParam<FaxFileCase> {};

TEST_P(FaxExampleFiles, EveryRecordByteForByte) {
    const FaxFileCase& test = GetParam();
    const Imported imported = ImportAndWrite(test.file, test.keepNumbers);
    ASSERT_EQ(imported.result, 5);
    EXPECT_EQ(imported.excluded, test.excluded);
    EXPECT_EQ(imported.state.format.ewsFormatVersion, test.version);
    EXPECT_EQ(imported.state.format.ewsFormatRevision, test.revision);

    const auto number = [&test](int32_t value) { return test.numbersRead ? value : 0; };
    const RecordBuilder chen = RecordBuilder()
                                   .Name(Big5(test.firstName))
                                   .FaxNumber("02-2345-0001")
                                   .CommMode(1)
                                   .TransmitType('4')
                                   .SpeedDialNumber(number(1));
    const RecordBuilder lin = RecordBuilder()
                                  .Name(Big5("林雅婷"))
                                  .FaxNumber("(03)456-0002")
                                  .CommMode(2)
                                  .TransmitType('1')
                                  .SpeedDialNumber(number(2));
    const RecordBuilder lee = RecordBuilder()
                                  .Name(Big5("李美玲"))
                                  .FaxNumber("+886-7-345-0005")
                                  .TransmitType(kTransmitRelayAndConfidential)
                                  .SpeedDialNumber(number(10));
    const RecordBuilder chang = RecordBuilder()
                                    .Name(Big5("張偉 (業務部)"))
                                    .FaxNumber("063450006EXT.12")
                                    .CommMode(2)
                                    .SpeedDialNumber(number(11));
    const RecordBuilder company = RecordBuilder()
                                      .Name(Big5(kLongName))
                                      .FaxNumber("(02)2345-0004")
                                      .TransmitType('4')
                                      .SpeedDialNumber(number(12));
    const SpeedDialRecord parsed[] = {chen, lin, lee, chang, company};
    ASSERT_EQ(imported.parsed.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        ExpectSameRecord(imported.parsed[i], parsed[i], "read " + std::to_string(i));

    // Picked in list order: 1, 10, 11, 12, 2.
    EXPECT_EQ(Entries(imported.lists.pickedRecords),
              (std::vector<std::string>{"0", "2", "3", "4", "1"}));
    EXPECT_EQ(Entries(imported.lists.confidentialTexts),
              (std::vector<std::string>{"123:4567", "", "7:", "", "45678:12"}));
    EXPECT_EQ(Entries(imported.lists.relayTexts),
              (std::vector<std::string>{"", "P12/05/#1", "3/01/02", "5/", ""}));
    EXPECT_EQ(Entries(imported.lists.fcodeTexts),
              (std::vector<std::string>{"", "12345:9876", "", "0042:", ""}));
    EXPECT_EQ(Entries(imported.lists.modeTexts),
              (std::vector<std::string>{"1", "2", "0", "2", ""}));

    const int32_t kept = test.numbersRead && test.keepNumbers ? 1 : 0;
    ASSERT_EQ(imported.written.size(), 5 * sizeof(SpeedDialRecord));
    const SpeedDialRecord written[] = {
        RecordBuilder(chen).Box("123").Password("4567").SpeedDialNumber(kept * 1),
        RecordBuilder(lee)
            .TransmitType('0')
            .Box("7")
            .Station("3")
            .Targets({"001", "002"})
            .SpeedDialNumber(kept * 10),
        RecordBuilder(chang).Station("5").Subaddress("0042").SpeedDialNumber(kept * 11),
        RecordBuilder(company).TransmitType('0').Box("456").Password("12").SpeedDialNumber(kept *
                                                                                           12),
        RecordBuilder(lin)
            .Station("12")
            .Option('1')
            .Targets({"005", "0#1"})
            .Subaddress("12345")
            .FCodePassword("9876")
            .SpeedDialNumber(kept * 2),
    };
    for (std::size_t i = 0; i < 5; ++i)
        ExpectSameRecord(WrittenRecord(imported, i), written[i], "written " + std::to_string(i));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, FaxExampleFiles,
    ::testing::Values(FaxFileCase{"speeddial-v1.csv", 1, 1, 2, false, true, "陳家豪"},
                      FaxFileCase{"speeddial-v2.csv", 2, 3, 2, true, true, "陳家豪"},
                      FaxFileCase{"speeddial-v3.csv", 3, 0, 2, true, false, "陳家豪"},
                      FaxFileCase{"speeddial-v5.csv", 5, 0, 3, true, true, "陳家豪"},
                      FaxFileCase{"speeddial-v6.csv", 6, 2, 3, true, true, "陳家豪, 業務部"}),
    [](const ::testing::TestParamInfo<FaxFileCase>& info) {
        return "Version" + std::to_string(info.param.version);
    });

TEST(ExampleFiles, TheDetailOfAnEntryShowsItsTexts) {
    ScriptedSpeedDialDialogs dialogs;
    std::optional<SpeedDialDetail> detail;
    dialogs.script = [&detail](SpeedDialPicker& picker) {
        RecordingPickerView view;
        const int second[] = {4}; // "2" in list order
        detail = picker.ShowDetails(second, view);
        return false;
    };
    SessionLists lists;
    int32_t excluded = 0;
    SpeedDialState state;
    ImportSpeedDialFile(kExamples + "/speeddial-v2.csv", lists, excluded, 0, state, dialogs);
    ASSERT_TRUE(detail.has_value());
    EXPECT_EQ(detail->title, Big5("短縮號碼2"));
    EXPECT_EQ(detail->name, Big5("林雅婷"));
    EXPECT_EQ(detail->faxNumber, "(03)456-0002");
    EXPECT_EQ(detail->mode, "2");
    EXPECT_EQ(detail->confidential, "");
    EXPECT_EQ(detail->relay, "P12/05/#1");
    EXPECT_EQ(detail->fcode, "12345:9876");
}

} // namespace
