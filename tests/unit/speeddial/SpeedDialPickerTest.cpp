// The speed-dial picker's decisions: the sorted source list, the typed number, adding under
// the restriction and the limit, replacing equal entries, deleting, details, OK and Cancel.
#include "speeddial/SpeedDialPicker.h"
#include "SpeedDialTestSupport.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using Records = std::vector<int>;

Texts Entries(const StringList& list) {
    return Texts(list.begin(), list.end());
}

class SpeedDialPickerTest : public ::testing::Test {
  protected:
    int Add(std::string number, std::string name, std::string fax,
            char transmitType = kTransmitOrdinary, std::string relay = "") {
        SpeedDialRecord record =
            RecordBuilder().Name(name).FaxNumber(fax).TransmitType(transmitType);
        table.push_back(record);
        lists.pickedRecords.Append(std::move(number));
        lists.relayTexts.Append(std::move(relay));
        lists.confidentialTexts.Append("");
        lists.fcodeTexts.Append("");
        lists.modeTexts.Append("");
        return static_cast<int>(table.size()) - 1;
    }
    SpeedDialPicker Make(int optionFlags = 0) {
        lists.count = static_cast<int32_t>(table.size());
        return SpeedDialPicker("C:\\data\\book.csv", table, lists, optionFlags);
    }
    // The source position of a record.
    static int PositionOf(const SpeedDialPicker& picker, int record) {
        for (int position = 0; position < picker.SourceCount(); ++position)
            if (picker.SourceRecord(position) == record)
                return position;
        return -1;
    }
    static Records Picked(const SpeedDialPicker& picker) {
        Records records;
        for (int position = 0; position < picker.PickedCount(); ++position)
            records.push_back(picker.PickedRecord(position));
        return records;
    }
    int AddRecords(SpeedDialPicker& picker, Records records) {
        std::vector<int> positions;
        for (const int record : records)
            positions.push_back(PositionOf(picker, record));
        std::sort(positions.begin(), positions.end());
        return picker.AddPicks(positions, view);
    }

    std::vector<SpeedDialRecord> table;
    SessionLists lists;
    RecordingPickerView view;
};

TEST_F(SpeedDialPickerTest, TheSourceListIsSortedByItsTextsAndKeepsEachRecord) {
    Add("2", "Two", "2");
    Add("10", "Ten", "10");
    Add("1", "One", "1");
    Add("b", "Lower", "4");
    Add("B", "Upper", "5");
    Add("A", "Letter", "6");
    SpeedDialPicker picker = Make();
    Texts texts;
    Records records;
    for (int position = 0; position < picker.SourceCount(); ++position) {
        texts.push_back(picker.SourceText(position));
        records.push_back(picker.SourceRecord(position));
    }
    EXPECT_EQ(texts, (Texts{"1", "10", "2", "A", "b", "B"}));
    EXPECT_EQ(records, (Records{2, 1, 0, 5, 3, 4}));
    EXPECT_EQ(lists.count, 0);
    EXPECT_EQ(picker.Title(),
              texts::kSpeedDialImportCaption + std::string(" - C:\\data\\book.csv"));
}

TEST_F(SpeedDialPickerTest, TheRecordCountComesFromCountAndIsBoundedByTheLists) {
    Add("1", "One", "1");
    Add("2", "Two", "2");
    lists.count = 1;
    SpeedDialPicker fewer("p", table, lists, 0);
    EXPECT_EQ(fewer.SourceCount(), 1);
    lists.count = 9;
    SpeedDialPicker more("p", table, lists, 0);
    EXPECT_EQ(more.SourceCount(), 2);
}

TEST_F(SpeedDialPickerTest, TypingANumberFindsTheNextEntryThatBeginsWithIt) {
    for (const char* number : {"1", "10", "1234", "2", "20", "Ab"})
        Add(number, "N", "1");
    const SpeedDialPicker picker = Make();
    // Sorted: 1, 10, 1234, 2, 20, Ab
    EXPECT_EQ(picker.FindTypedNumber("1", -1), 0);
    EXPECT_EQ(picker.FindTypedNumber("1", 1), 1); // from the first selected entry itself
    EXPECT_EQ(picker.FindTypedNumber("12", 0), 2);
    EXPECT_EQ(picker.FindTypedNumber("1", 3), 0); // wraps around
    EXPECT_EQ(picker.FindTypedNumber("2", 4), 4);
    EXPECT_EQ(picker.FindTypedNumber("aB", -1), 5);
    EXPECT_EQ(picker.FindTypedNumber("12345", -1), 2); // a fifth character does not count
    EXPECT_EQ(picker.FindTypedNumber("3", 0), -1);
    EXPECT_EQ(picker.FindTypedNumber("", 3), 3);
}

TEST_F(SpeedDialPickerTest, AddedEntriesGoToTheEndWithNumberNameAndFax) {
    Add("2", "Two", "02-2");
    Add("1", Big5("陳家豪"), "02-1");
    SpeedDialPicker picker = Make();
    EXPECT_EQ(picker.AddPicks(std::vector<int>{0, 1}, view), 2);
    EXPECT_EQ(Picked(picker), (Records{1, 0}));
    EXPECT_EQ(picker.PickedText(0), "1\t" + Big5("陳家豪") + " [02-1]");
    EXPECT_EQ(view.listTexts, (Texts{picker.PickedText(0), "2\tTwo [02-2]"}));
    EXPECT_EQ(view.listRecords, (Records{1, 0}));
    EXPECT_TRUE(view.warnings.empty());
    EXPECT_EQ(picker.AddPicks(std::vector<int>{}, view), 0);
}

TEST_F(SpeedDialPickerTest, AnEntryAlreadyPickedIsSkippedWithoutAQuestion) {
    Add("1", "One", "1");
    SpeedDialPicker picker = Make();
    EXPECT_EQ(AddRecords(picker, {0}), 1);
    EXPECT_EQ(AddRecords(picker, {0}), 0);
    EXPECT_EQ(Picked(picker), (Records{0}));
    EXPECT_TRUE(view.questions.empty());
}

TEST_F(SpeedDialPickerTest, AnEqualEntryIsReplacedOnlyAfterYes) {
    const int first = Add("1", "Chen", "02-1");
    const int other = Add("2", "Lin", "02-2");
    const int second = Add("3", "Chen", "02-1");
    SpeedDialPicker picker = Make();
    AddRecords(picker, {first, other});

    view.answers = {false};
    EXPECT_EQ(AddRecords(picker, {second}), 0);
    EXPECT_EQ(Picked(picker), (Records{first, other}));
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.questions[0], std::string(texts::kReplaceNameLabel) + "Chen" +
                                     texts::kReplaceFaxLabel + "02-1" + texts::kReplaceQuestion);

    view.answers = {true};
    EXPECT_EQ(AddRecords(picker, {second}), 1);
    EXPECT_EQ(Picked(picker), (Records{other, second}));
    EXPECT_EQ(view.listRecords, (Records{other, second}));
}

TEST_F(SpeedDialPickerTest, SameNameWithAnotherNumberIsNoEqualEntry) {
    Add("1", "Chen", "02-1");
    Add("2", "Chen", "02-9");
    Add("3", "Lin", "02-1");
    SpeedDialPicker picker = Make();
    EXPECT_EQ(AddRecords(picker, {0, 1, 2}), 3);
    EXPECT_TRUE(view.questions.empty());
}

TEST_F(SpeedDialPickerTest, EqualEntriesSelectedTogetherAskOnce) {
    Add("1", "Chen", "02-1");
    Add("2", "Chen", "02-1");
    SpeedDialPicker picker = Make();
    view.answers = {true};
    EXPECT_EQ(AddRecords(picker, {0, 1}), 2);
    EXPECT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(Picked(picker), (Records{1}));
}

TEST_F(SpeedDialPickerTest, TheRestrictionAllowsOneEntryInAll) {
    Add("1", "One", "1");
    Add("2", "Two", "2");
    SpeedDialPicker picker = Make(kSingleRecipientOption);
    EXPECT_EQ(AddRecords(picker, {0, 1}), 0);
    EXPECT_EQ(AddRecords(picker, {0}), 1);
    EXPECT_EQ(AddRecords(picker, {1}), 0);
    EXPECT_EQ(view.warnings, (Texts{texts::kSingleRecipientOnly, texts::kSingleRecipientOnly}));
    EXPECT_EQ(AddRecords(picker, {}), 0);
    EXPECT_EQ(view.warnings.size(), 3u); // nothing selected is refused as well

    const int only[] = {0};
    EXPECT_TRUE(picker.DeletePicked(only));
    EXPECT_EQ(AddRecords(picker, {1}), 1);
    EXPECT_EQ(Picked(picker), (Records{1}));
}

TEST_F(SpeedDialPickerTest, TheRestrictionRefusesRelayEntriesThatHaveARelayText) {
    const int relay = Add("1", "Relay", "1", kTransmitRelay, "12/05");
    const int both = Add("2", "Both", "2", kTransmitRelayAndConfidential, "12/05");
    const int bare = Add("3", "Bare", "3", kTransmitRelay, "");
    const int version0 = Add("4", "Old", "4", kTransmitOrdinary, "P12/05");
    const int confidential = Add("5", "Secret", "5", kTransmitConfidential, "12/05");
    SpeedDialPicker picker = Make(kSingleRecipientOption);
    EXPECT_EQ(AddRecords(picker, {relay}), 0);
    EXPECT_EQ(AddRecords(picker, {both}), 0);
    EXPECT_EQ(view.warnings, (Texts{texts::kRelayEntryRefused, texts::kRelayEntryRefused}));
    for (const int record : {bare, version0, confidential}) {
        EXPECT_EQ(AddRecords(picker, {record}), 1) << record;
        const int first[] = {0};
        picker.DeletePicked(first);
    }
    EXPECT_EQ(view.warnings.size(), 2u);

    SpeedDialPicker unrestricted = Make();
    EXPECT_EQ(AddRecords(unrestricted, {relay, both}), 2);
}

TEST_F(SpeedDialPickerTest, TheLimitStopsAddingAndKeepsWhatWasAdded) {
    for (int i = 0; i < 210; ++i)
        Add(std::to_string(1000 + i), "N" + std::to_string(i), std::to_string(i));
    lists.limit = 200;
    SpeedDialPicker picker = Make();
    std::vector<int> first(199);
    std::iota(first.begin(), first.end(), 0);
    EXPECT_EQ(picker.AddPicks(first, view), 199);
    EXPECT_EQ(picker.AddPicks(std::vector<int>{0, 199, 200, 201, 202, 203}, view), 1);
    EXPECT_EQ(picker.PickedCount(), 200);
    EXPECT_EQ(picker.PickedRecord(199), picker.SourceRecord(199));
    EXPECT_EQ(view.warnings, (Texts{texts::kRecipientLimitReached}));

    EXPECT_EQ(picker.AddPicks(std::vector<int>{205}, view), 0);
    EXPECT_EQ(view.warnings.size(), 2u);
}

TEST_F(SpeedDialPickerTest, WithoutALimitThereIsNoUpperBound) {
    for (int i = 0; i < 300; ++i)
        Add(std::to_string(i), "N" + std::to_string(i), std::to_string(i));
    SpeedDialPicker picker = Make();
    std::vector<int> all(300);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(picker.AddPicks(all, view), 300);
    EXPECT_TRUE(view.warnings.empty());
}

TEST_F(SpeedDialPickerTest, NoRoomForTheSelectionShowsTheMemoryMessage) {
    Add("1", "One", "1");
    SpeedDialPicker picker = Make();
    bool read = false;
    EXPECT_EQ(picker.AddPicks(
                  std::numeric_limits<std::size_t>::max() / 2,
                  [&read](std::span<int>) { read = true; }, view),
              0);
    EXPECT_FALSE(read);
    EXPECT_EQ(view.warnings, (Texts{texts::kNoMemoryForPicks}));
    EXPECT_EQ(picker.PickedCount(), 0);
}

TEST_F(SpeedDialPickerTest, AnEntryTheListBoxCannotTakeIsNotPicked) {
    const int first = Add("1", "Chen", "02-1");
    const int other = Add("2", "Lin", "02-2");
    const int third = Add("3", "Wu", "02-3");
    const int equal = Add("4", "Chen", "02-1");
    SpeedDialPicker picker = Make();
    view.listRoom = 2;
    EXPECT_EQ(AddRecords(picker, {first, other, third}), 2);
    EXPECT_EQ(view.warnings, (Texts{texts::kNoMemoryForPicks}));
    EXPECT_EQ(Picked(picker), (Records{first, other}));
    // Yes to the replace question: the equal entry goes, the new one finds no room.
    view.listRoom = 0;
    EXPECT_EQ(AddRecords(picker, {equal}), 0);
    EXPECT_EQ(Picked(picker), (Records{other}));
    EXPECT_EQ(view.listRecords, Picked(picker));
    // Taken back whole: added again later without a question.
    view.listRoom = -1;
    EXPECT_EQ(AddRecords(picker, {third, equal}), 2);
    EXPECT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.listRecords, Picked(picker));
}

TEST_F(SpeedDialPickerTest, DeleteRemovesEverySelectedPickedEntry) {
    for (int i = 0; i < 4; ++i)
        Add(std::to_string(i), "N" + std::to_string(i), std::to_string(i));
    SpeedDialPicker picker = Make();
    AddRecords(picker, {0, 1, 2, 3});
    EXPECT_FALSE(picker.DeletePicked({}));
    EXPECT_EQ(picker.PickedCount(), 4);
    const int selected[] = {3, 0, 2, 2, 9};
    EXPECT_TRUE(picker.DeletePicked(selected));
    EXPECT_EQ(Picked(picker), (Records{1}));
}

TEST_F(SpeedDialPickerTest, ADeletedEntryCanBeAddedAgainWithoutAQuestion) {
    Add("1", "Chen", "02-1");
    Add("2", "Chen", "02-1");
    SpeedDialPicker picker = Make();
    AddRecords(picker, {0});
    const int first[] = {0};
    EXPECT_TRUE(picker.DeletePicked(first));
    EXPECT_EQ(AddRecords(picker, {1}), 1);
    EXPECT_TRUE(picker.DeletePicked(first));
    EXPECT_EQ(AddRecords(picker, {0}), 1);
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(Picked(picker), (Records{0}));
}

TEST_F(SpeedDialPickerTest, DetailsNeedExactlyOneSelectedEntry) {
    Add("7", "Seven", "07");
    Add("8", "Eight", "08");
    lists.modeTexts = StringList();
    lists.modeTexts.Append("1");
    lists.modeTexts.Append("2");
    SpeedDialPicker picker = Make();
    EXPECT_FALSE(picker.ShowDetails({}, view).has_value());
    EXPECT_FALSE(picker.ShowDetails(std::vector<int>{0, 1}, view).has_value());
    EXPECT_EQ(view.warnings,
              (Texts{texts::kChooseOneSpeedDialNumber, texts::kChooseOneSpeedDialNumber}));

    AddRecords(picker, {1});
    const auto detail = picker.ShowDetails(std::vector<int>{PositionOf(picker, 1)}, view);
    ASSERT_TRUE(detail.has_value());
    EXPECT_EQ(detail->title, texts::kSpeedDialNumberTitle + std::string("8"));
    EXPECT_EQ(detail->name, "Eight");
    EXPECT_EQ(detail->mode, "2");
}

TEST_F(SpeedDialPickerTest, OkWritesTheRecipientsAndThePickedRecordIndexes) {
    Add("1", "One", "01");
    Add("2\t3", "Tab", "02"); // a speed-dial number with a tab cannot reach the recipient
    Add("3", "Three", "03");
    SpeedDialPicker picker = Make();
    AddRecords(picker, {2});
    AddRecords(picker, {1});
    EXPECT_EQ(picker.PickedText(1), "2\t3\tTab [02]");
    EXPECT_EQ(picker.Confirm(), 2);
    EXPECT_EQ(lists.count, 2);
    EXPECT_EQ(Entries(lists.recipients), (Texts{"Three [03]", "Tab [02]"}));
    EXPECT_EQ(Entries(lists.pickedRecords), (Texts{"2", "1"}));
}

TEST_F(SpeedDialPickerTest, OkWithNothingPickedEmptiesThePickedRecords) {
    Add("1", "One", "01");
    SpeedDialPicker picker = Make();
    EXPECT_EQ(picker.Confirm(), 0);
    EXPECT_EQ(lists.count, 0);
    EXPECT_TRUE(lists.pickedRecords.Empty());
    EXPECT_TRUE(lists.recipients.Empty());
}

TEST_F(SpeedDialPickerTest, CancelEmptiesTheRecipientsAndKeepsTheNumbers) {
    Add("1", "One", "01");
    lists.recipients.Append("left over [1]");
    SpeedDialPicker picker = Make();
    AddRecords(picker, {0});
    picker.Cancel();
    EXPECT_EQ(lists.count, 0);
    EXPECT_TRUE(lists.recipients.Empty());
    EXPECT_EQ(Entries(lists.pickedRecords), (Texts{"1"}));
}

} // namespace
