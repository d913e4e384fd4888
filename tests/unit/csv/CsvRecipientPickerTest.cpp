// The recipient picker's decisions: entries, typed-name search, adding under the restriction
// and the limit, duplicates, deleting, OK and Cancel.
#include "csv/CsvRecipientPicker.h"
#include "CsvTestSupport.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

CsvCandidate Candidate(const std::string& name, const std::string& faxNumber) {
    CsvCandidate candidate{};
    std::strncpy(candidate.name, name.c_str(), kMaxFieldLength);
    std::strncpy(candidate.faxNumber, faxNumber.c_str(), kMaxFieldLength);
    return candidate;
}

std::vector<int> Range(int first, int count) {
    std::vector<int> entries(static_cast<std::size_t>(count));
    std::iota(entries.begin(), entries.end(), first);
    return entries;
}

class CsvRecipientPickerTest : public ::testing::Test {
  protected:
    std::vector<CsvCandidate> candidates{
        Candidate("Alice", "021"), Candidate("bob", "022"),   Candidate("Carol", ""),
        Candidate("alina", "024"), Candidate("Alice", "021"), Candidate("Alice", "026"),
        Candidate("Dave", "021"),  Candidate("", "028"),
    };
    SessionLists lists;

    std::vector<std::string> Picked(const CsvRecipientPicker& picker) const {
        std::vector<std::string> texts;
        for (int entry = 0; entry < picker.PickedCount(); ++entry)
            texts.emplace_back(picker.PickedText(entry).View());
        return texts;
    }
};

using Texts = std::vector<std::string>;

TEST_F(CsvRecipientPickerTest, SourceListShowsEveryCandidateAsNameAndBracketedNumber) {
    lists.count = 8;
    CsvRecipientPicker picker("C:\\book.csv", candidates, lists, 0);
    EXPECT_EQ(lists.count, 0);
    EXPECT_EQ(picker.Title(), std::string(texts::kCsvImportCaption) + " - C:\\book.csv");
    ASSERT_EQ(picker.SourceCount(), 8);
    EXPECT_STREQ(picker.SourceText(0).CStr(), "Alice [021]");
    EXPECT_EQ(picker.SourceText(2).View(), "Carol []");
    EXPECT_EQ(picker.SourceText(7).View(), " [028]");
}

TEST_F(CsvRecipientPickerTest, EntryTextHoldsTwoFullFields) {
    const std::string thirty(30, 'n');
    const CsvCandidate full = Candidate(thirty, std::string(30, '9'));
    EXPECT_EQ(EntryText(full).View(), thirty + " [" + std::string(30, '9') + "]");
    // A field without its terminator still stops at its 30th byte.
    CsvCandidate unterminated{};
    std::memset(unterminated.name, 'x', sizeof unterminated.name);
    std::memset(unterminated.faxNumber, '1', sizeof unterminated.faxNumber);
    EXPECT_EQ(EntryText(unterminated).View().size(), 63u);
}

TEST_F(CsvRecipientPickerTest, FindTypedNameMatchesTheStartInAnyCaseFromTheFirstSelection) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    EXPECT_EQ(picker.FindTypedName("AL", -1), 0);
    EXPECT_EQ(picker.FindTypedName("ali", 1), 3);
    EXPECT_EQ(picker.FindTypedName("alice [026", 1), 5);
    // Wraps around at the end.
    EXPECT_EQ(picker.FindTypedName("BOB", 5), 1);
    EXPECT_EQ(picker.FindTypedName("zed", 0), -1);
    // The starting entry itself can match; an empty field matches it.
    EXPECT_EQ(picker.FindTypedName("alice", 4), 4);
    EXPECT_EQ(picker.FindTypedName("", 6), 6);
    EXPECT_EQ(picker.FindTypedName("", -1), 0);
    EXPECT_EQ(picker.FindTypedName(" [", -1), 7);
}

TEST_F(CsvRecipientPickerTest, FindTypedNameReadsAtMostThirtyBytes) {
    const std::string name(30, 'q');
    std::vector<CsvCandidate> table{Candidate("other", "1"), Candidate(name, "2")};
    CsvRecipientPicker picker("p", table, lists, 0);
    EXPECT_EQ(picker.FindTypedName(name + "zzzz", -1), 1);
}

TEST_F(CsvRecipientPickerTest, FindTypedNameFoldsOnlySingleByteLetters) {
    // The second byte of a two-byte character may look like a letter; it must match exactly.
    const std::string fax = Big5("傳真");
    ASSERT_EQ(fax, "\xB6\xC7\xAF\x75");
    std::vector<CsvCandidate> table{Candidate(fax, "1"), Candidate("\xB6\xC7\xAF\x55", "2")};
    CsvRecipientPicker picker("p", table, lists, 0);
    EXPECT_EQ(picker.FindTypedName("\xB6\xC7\xAF\x55", -1), 1);
    EXPECT_EQ(picker.FindTypedName(fax, 1), 0);
    EXPECT_EQ(picker.FindTypedName("\xB6\xC7\xAF", 1), 1);
}

TEST_F(CsvRecipientPickerTest, AddPicksAppendsInSelectionOrderAndSkipsEmptyNumbersSilently) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    const auto outcome = picker.AddPicks(std::vector<int>{1, 2, 3});
    EXPECT_EQ(outcome.added, 2);
    EXPECT_EQ(outcome.message, nullptr);
    EXPECT_EQ(Picked(picker), (Texts{"bob [022]", "alina [024]"}));
    EXPECT_EQ(picker.PickedCandidate(1), 3);
    EXPECT_EQ(picker.AddPicks(std::vector<int>{2}).added, 0);
    EXPECT_EQ(picker.PickedCount(), 2);
}

TEST_F(CsvRecipientPickerTest, AddPicksWithNothingSelectedDoesNothing) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    bool read = false;
    const auto outcome = picker.AddPicks(0, [&](std::span<int>) { read = true; });
    EXPECT_EQ(outcome.added, 0);
    EXPECT_EQ(outcome.message, nullptr);
    EXPECT_FALSE(read);
}

TEST_F(CsvRecipientPickerTest, DuplicatesAreTheSameNameAndNumber) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    picker.AddPicks(std::vector<int>{0});
    EXPECT_EQ(picker.AddPicks(std::vector<int>{0}).added, 0);
    // Candidate 4 is another row with the same name and number.
    EXPECT_EQ(picker.AddPicks(std::vector<int>{4}).added, 0);
    // The same name with another number, or the same number with another name, are new.
    EXPECT_EQ(picker.AddPicks(std::vector<int>{5, 6}).added, 2);
    EXPECT_EQ(Picked(picker), (Texts{"Alice [021]", "Alice [026]", "Dave [021]"}));
}

// The set must pick exactly what comparing each entry with every picked one would.
TEST_F(CsvRecipientPickerTest, DuplicateRuleAgreesWithComparingEveryPickedEntry) {
    std::mt19937 random(4);
    std::vector<CsvCandidate> table;
    for (int n = 0; n < 3000; ++n)
        table.push_back(Candidate("N" + std::to_string(random() % 40),
                                  random() % 10 == 0 ? "" : std::to_string(random() % 40)));
    CsvRecipientPicker picker("p", table, lists, 0);
    std::vector<int> reference;
    const auto pickedAlready = [&](int entry) {
        for (const int picked : reference)
            if (std::strcmp(table[picked].faxNumber, table[entry].faxNumber) == 0 &&
                std::strcmp(table[picked].name, table[entry].name) == 0)
                return true;
        return false;
    };
    for (int round = 0; round < 60; ++round) {
        std::vector<int> selection;
        for (int entry = static_cast<int>(random() % 50); entry < 3000;
             entry += 1 + static_cast<int>(random() % 97))
            selection.push_back(entry);
        picker.AddPicks(selection);
        for (const int entry : selection)
            if (table[entry].faxNumber[0] != '\0' && !pickedAlready(entry))
                reference.push_back(entry);
        if (round % 3 == 2 && !reference.empty()) {
            const int doomed = static_cast<int>(random() % reference.size());
            picker.DeletePicked(std::vector<int>{doomed});
            reference.erase(reference.begin() + doomed);
        }
        ASSERT_EQ(picker.PickedCount(), static_cast<int>(reference.size())) << round;
        for (int entry = 0; entry < picker.PickedCount(); ++entry)
            ASSERT_EQ(picker.PickedCandidate(entry), reference[entry]) << round;
    }
}

TEST_F(CsvRecipientPickerTest, SingleRecipientRestrictionAllowsOneEntryInAll) {
    CsvRecipientPicker picker("p", candidates, lists, kSingleRecipientOption | 1);
    EXPECT_STREQ(picker.AddPicks(std::vector<int>{0, 1}).message, texts::kSingleRecipientOnly);
    EXPECT_STREQ(picker.AddPicks(std::vector<int>{}).message, texts::kSingleRecipientOnly);
    EXPECT_EQ(picker.PickedCount(), 0);

    const auto first = picker.AddPicks(std::vector<int>{1});
    EXPECT_EQ(first.added, 1);
    EXPECT_EQ(first.message, nullptr);
    const auto second = picker.AddPicks(std::vector<int>{3});
    EXPECT_EQ(second.added, 0);
    EXPECT_STREQ(second.message, texts::kSingleRecipientOnly);

    EXPECT_TRUE(picker.DeletePicked(std::vector<int>{0}));
    EXPECT_EQ(picker.AddPicks(std::vector<int>{3}).added, 1);
    EXPECT_EQ(Picked(picker), (Texts{"alina [024]"}));
}

TEST_F(CsvRecipientPickerTest, OtherOptionBitsDoNotRestrict) {
    CsvRecipientPicker picker("p", candidates, lists, 1 | 4);
    EXPECT_EQ(picker.AddPicks(std::vector<int>{0, 1}).added, 2);
}

class CsvPickerLimitTest : public CsvRecipientPickerTest {
  protected:
    void SetUp() override {
        for (int row = 0; row < 210; ++row)
            table.push_back(Candidate("R" + std::to_string(row), std::to_string(1000 + row)));
        table[200].faxNumber[0] = '\0';
        table[201] = table[0];
    }
    std::vector<CsvCandidate> table;
};

TEST_F(CsvPickerLimitTest, AddingStopsWithAMessageWhenTheLimitIsReached) {
    lists.limit = 200;
    CsvRecipientPicker picker("p", table, lists, 0);
    EXPECT_EQ(picker.AddPicks(Range(0, 199)).added, 199);
    // 200 has no number and 201 is a duplicate: 202 is the one added, 203 meets the limit.
    const auto outcome = picker.AddPicks(Range(200, 5));
    EXPECT_EQ(outcome.added, 1);
    EXPECT_STREQ(outcome.message, texts::kRecipientLimitReached);
    EXPECT_EQ(picker.PickedCount(), 200);
    EXPECT_EQ(picker.PickedText(199).View(), "R202 [1202]");

    bool read = false;
    const auto full = picker.AddPicks(1, [&](std::span<int>) { read = true; });
    EXPECT_STREQ(full.message, texts::kRecipientLimitReached);
    EXPECT_FALSE(read);
}

TEST_F(CsvPickerLimitTest, FillingExactlyToTheLimitShowsNoMessage) {
    lists.limit = 200;
    CsvRecipientPicker picker("p", table, lists, 0);
    const auto outcome = picker.AddPicks(Range(0, 200));
    EXPECT_EQ(outcome.added, 200);
    EXPECT_EQ(outcome.message, nullptr);
}

TEST_F(CsvPickerLimitTest, NoLimitTakesEverything) {
    lists.limit = 0;
    CsvRecipientPicker picker("p", table, lists, 0);
    EXPECT_EQ(picker.AddPicks(Range(0, 210)).added, 208);
}

TEST_F(CsvRecipientPickerTest, ShortMemoryForTheSelectionRefusesWithItsMessage) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    bool read = false;
    const auto outcome = picker.AddPicks(SIZE_MAX / 2, [&](std::span<int>) { read = true; });
    EXPECT_STREQ(outcome.message, texts::kNoMemoryForPicks);
    EXPECT_EQ(outcome.added, 0);
    EXPECT_FALSE(read);
}

TEST_F(CsvRecipientPickerTest, SelectionEntriesOutsideTheListAreIgnored) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    EXPECT_EQ(picker.AddPicks(std::vector<int>{-1, 8, 1}).added, 1);
}

TEST_F(CsvRecipientPickerTest, DeleteRemovesEverySelectedEntryAndKeepsTheOrder) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    picker.AddPicks(std::vector<int>{0, 1, 3, 5, 6});
    EXPECT_TRUE(picker.DeletePicked(std::vector<int>{0, 2, 4}));
    EXPECT_EQ(Picked(picker), (Texts{"bob [022]", "Alice [026]"}));
    EXPECT_FALSE(picker.DeletePicked(std::vector<int>{}));
    EXPECT_FALSE(picker.DeletePicked(std::vector<int>{7}));
    EXPECT_EQ(picker.PickedCount(), 2);
    // A deleted entry is no longer a duplicate.
    EXPECT_EQ(picker.AddPicks(std::vector<int>{4}).added, 1);
    EXPECT_EQ(Picked(picker), (Texts{"bob [022]", "Alice [026]", "Alice [021]"}));
}

TEST_F(CsvRecipientPickerTest, PicksTheListBoxCouldNotTakeAreTakenBackWhole) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    EXPECT_EQ(picker.AddPicks(std::vector<int>{0, 1, 3, 5}).added, 4);
    picker.DropLastPicked(2);
    EXPECT_EQ(Picked(picker), (Texts{"Alice [021]", "bob [022]"}));
    // No longer picked, so no longer duplicates.
    EXPECT_EQ(picker.AddPicks(std::vector<int>{3, 5}).added, 2);
    EXPECT_EQ(picker.PickedCount(), 4);
}

TEST_F(CsvRecipientPickerTest, OkAppendsThePickedTextsAndCountsThem) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    picker.AddPicks(std::vector<int>{3, 7, 0});
    EXPECT_EQ(picker.Confirm(), 3);
    EXPECT_EQ(lists.count, 3);
    EXPECT_EQ(Texts(lists.recipients.begin(), lists.recipients.end()),
              (Texts{"alina [024]", " [028]", "Alice [021]"}));
}

TEST_F(CsvRecipientPickerTest, OkWithNothingPickedCountsZero) {
    CsvRecipientPicker picker("p", candidates, lists, 0);
    EXPECT_EQ(picker.Confirm(), 0);
    EXPECT_EQ(lists.count, 0);
    EXPECT_TRUE(lists.recipients.Empty());
}

TEST_F(CsvRecipientPickerTest, CancelEmptiesTheSelection) {
    lists.recipients.Append("stale [1]");
    CsvRecipientPicker picker("p", candidates, lists, 0);
    picker.AddPicks(std::vector<int>{0, 1});
    picker.Cancel();
    EXPECT_EQ(lists.count, 0);
    EXPECT_TRUE(lists.recipients.Empty());
}

} // namespace
