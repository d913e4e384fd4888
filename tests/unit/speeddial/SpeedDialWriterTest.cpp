// Writing the picked records: the memo question, the settled transmit type, the members from
// the texts, and the pick order.
#include "speeddial/SpeedDialWriter.h"
#include "SpeedDialTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class SpeedDialWriterTest : public ::testing::Test {
  protected:
    // A record with its texts, as the reader leaves them.
    void Add(const SpeedDialRecord& record, std::string confidential = "", std::string relay = "",
             std::string fcode = "") {
        records.push_back(record);
        lists.confidentialTexts.Append(std::move(confidential));
        lists.relayTexts.Append(std::move(relay));
        lists.fcodeTexts.Append(std::move(fcode));
        lists.modeTexts.Append("");
    }
    void Pick(std::initializer_list<int> picked) {
        lists.pickedRecords.Clear();
        for (const int record : picked)
            lists.pickedRecords.Append(std::to_string(record));
        lists.count = static_cast<int32_t>(picked.size());
    }
    bool Write(int32_t version) {
        table.Allocate(records.size());
        for (const SpeedDialRecord& record : records)
            *table.StartRecord() = record;
        return WriteSpeedDialRecords(lists, file, table, version, memo);
    }
    SpeedDialRecord Written(std::size_t index) const {
        SpeedDialRecord record;
        std::memcpy(&record, file.Bytes().data() + index * sizeof record, sizeof record);
        return record;
    }

    std::vector<SpeedDialRecord> records;
    SessionLists lists;
    SpeedDialTable table;
    ExchangeFileBuffer file;
    ScriptedMemoQuestion memo;
};

TEST_F(SpeedDialWriterTest, RecordsAreWrittenInPickOrderWithTheirSettings) {
    Add(RecordBuilder().Name("A").FaxNumber("1").SpeedDialNumber(5), "123:4567");
    Add(RecordBuilder().Name("B").FaxNumber("2").TransmitType(kTransmitRelay), "", "P12/05/#1",
        "12345:9876");
    Add(RecordBuilder().Name("C").FaxNumber("3").TransmitType(kTransmitConfidential), "12:3");
    Pick({2, 0, 1});
    ASSERT_TRUE(Write(1));
    ASSERT_EQ(file.Bytes().size(), 3 * sizeof(SpeedDialRecord));
    ExpectSameRecord(Written(0), RecordBuilder().Name("C").FaxNumber("3").Box("12").Password("3"),
                     "C");
    ExpectSameRecord(Written(1),
                     RecordBuilder().Name("A").FaxNumber("1").Box("123").Password("4567"), "A");
    ExpectSameRecord(Written(2),
                     RecordBuilder()
                         .Name("B")
                         .FaxNumber("2")
                         .TransmitType(kTransmitRelay)
                         .Station("12")
                         .Option('1')
                         .Targets({"005", "0#1"})
                         .Subaddress("12345")
                         .FCodePassword("9876"),
                     "B");
    ExpectSameRecord(table[2], Written(0), "changed in the table itself");
}

TEST_F(SpeedDialWriterTest, TheMemoQuestionIsAskedFromVersionTwoWhenTheHostHasNoLimitChild) {
    struct Case {
        int32_t version;
        bool limitChild;
        bool answer;
        int asked;
        int32_t number;
    };
    const Case cases[] = {
        {0, false, true, 0, 0},  {1, false, true, 0, 0},  {2, true, true, 0, 0},
        {2, false, false, 1, 0}, {2, false, true, 1, 42}, {6, false, true, 1, 42},
    };
    for (const Case& test : cases) {
        records.clear();
        lists = SessionLists();
        file = ExchangeFileBuffer();
        memo = ScriptedMemoQuestion();
        memo.limitChild = test.limitChild;
        memo.answer = test.answer;
        Add(RecordBuilder().SpeedDialNumber(42));
        Add(RecordBuilder().SpeedDialNumber(42));
        Pick({0, 1});
        ASSERT_TRUE(Write(test.version));
        EXPECT_EQ(memo.asked, test.asked) << test.version << test.limitChild;
        EXPECT_EQ(Written(0).speedDialNumber, test.number);
        EXPECT_EQ(Written(1).speedDialNumber, test.number);
    }
}

TEST(SettleTransmitType, VersionsOneToSixKeepWhatTheFileMarkedOnlyIfItHolds) {
    for (const int32_t version : {1, 2, 3, 5, 6}) {
        EXPECT_EQ(SettleTransmitType(version, '1', true, false), '1');
        EXPECT_EQ(SettleTransmitType(version, '1', false, true), '0');
        EXPECT_EQ(SettleTransmitType(version, '4', false, true), '4');
        EXPECT_EQ(SettleTransmitType(version, '4', true, false), '0');
        EXPECT_EQ(SettleTransmitType(version, '0', true, true), '0');
        EXPECT_EQ(SettleTransmitType(version, '0', true, false), '0');
    }
}

TEST(SettleTransmitType, VersionZeroAndBothMarksGoByWhatHolds) {
    for (const auto& [version, marked] : {std::pair{0, '0'}, std::pair{2, '\0'}}) {
        EXPECT_EQ(SettleTransmitType(version, marked, false, false), '0');
        EXPECT_EQ(SettleTransmitType(version, marked, true, true), '0');
        EXPECT_EQ(SettleTransmitType(version, marked, true, false), '1');
        EXPECT_EQ(SettleTransmitType(version, marked, false, true), '4');
    }
}

TEST_F(SpeedDialWriterTest, VersionZeroTextsAreUnmaskedWhenWritten) {
    Add(RecordBuilder().Name("A"), Masked("123:4567"), "P3/01", Masked("8:9"));
    Add(RecordBuilder().Name("B"), Masked("45:6789"));
    Add(RecordBuilder().Name("C"), "", "7/1*/a/**/9");
    Pick({0, 1, 2});
    ASSERT_TRUE(Write(0));
    ExpectSameRecord(Written(0), RecordBuilder()
                                     .Name("A")
                                     .Box("123")
                                     .Password("4567")
                                     .Station("3")
                                     .Option('1')
                                     .Targets({"001"})
                                     .Subaddress("8")
                                     .FCodePassword("9"));
    ExpectSameRecord(Written(1),
                     RecordBuilder().Name("B").TransmitType('4').Box("45").Password("6789"));
    ExpectSameRecord(Written(2), RecordBuilder().Name("C").TransmitType('1').Station("7").Targets(
                                     {"01*", "0**", "009"}));
}

TEST_F(SpeedDialWriterTest, PicksThatNameNoRecordWriteNothing) {
    Add(RecordBuilder().Name("A"));
    for (const char* entry : {"1", "x", "-1", "", "0x", " 0", "99999999999999999999"}) {
        lists.pickedRecords.Clear();
        lists.pickedRecords.Append("0");
        lists.pickedRecords.Append(entry);
        lists.count = 2;
        file = ExchangeFileBuffer();
        EXPECT_FALSE(Write(1)) << entry;
        EXPECT_TRUE(file.Bytes().empty()) << entry;
    }
    Pick({0});
    lists.count = 2; // more than there are picks
    EXPECT_FALSE(Write(1));
    EXPECT_EQ(memo.asked, 0);
}

} // namespace
