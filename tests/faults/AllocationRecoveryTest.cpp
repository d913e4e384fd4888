// The pieces that must stay whole when an allocation fails inside them: each of their
// allocations fails in turn, and each time they either report the shortage as their contract
// says or finish exactly as without it.
#include "AllocationFaults.h"
#include "CsvTestSupport.h"
#include "csv/CsvRecipientPicker.h"
#include "platform/CodePages.h"
#include "session/StringList.h"
#include "speeddial/SpeedDialPicker.h"
#include "speeddial/Utf8Name.h"
#include "text/FixedTexts.h"
#include "text/PlatformScopes.h"
#include "text/UnicodeToAnsi.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <new>
#include <numeric>
#include <string>
#include <vector>

namespace {

using faults::AllocationCountdown;
using faults::AllocationsPaused;
using faults::FailEachAllocationInTurn;
using Texts = std::vector<std::string>;

constexpr std::size_t kRunLimit = 100000;

Texts Entries(const StringList& list) {
    AllocationsPaused paused;
    return Texts(list.begin(), list.end());
}

TEST(StringListRecovery, AnAppendThatRunsOutOfMemoryLeavesTheListAsItWas) {
    const std::string added(40, 'x'); // longer than any text kept inside the string itself
    const std::size_t allocations = FailEachAllocationInTurn([&](std::size_t failAt) {
        StringList list;
        for (const char* text : {"first entry of the list", "second entry of the list"})
            list.Append(text);
        const Texts before = Entries(list);
        bool threw = false;
        bool failed = false;
        {
            AllocationCountdown countdown(failAt);
            try {
                list.Append(added);
            } catch (const std::bad_alloc&) {
                threw = true;
            }
            failed = countdown.Injected();
        }
        EXPECT_EQ(threw, failed) << "allocation " << failAt;
        if (threw) {
            EXPECT_EQ(Entries(list), before) << "allocation " << failAt;
            EXPECT_FALSE(list.Contains(added)) << "allocation " << failAt;
            EXPECT_TRUE(list.Contains("second entry of the list"));
        } else {
            EXPECT_TRUE(list.Contains(added));
            EXPECT_EQ(list.Size(), 3u);
        }
        return failed;
    });
    EXPECT_LT(allocations, kRunLimit);
    EXPECT_GE(allocations, 3u); // the text, the entry's room and the count's node
}

CsvCandidate Candidate(const std::string& name, const std::string& faxNumber) {
    CsvCandidate candidate{};
    std::strncpy(candidate.name, name.c_str(), kMaxFieldLength);
    std::strncpy(candidate.faxNumber, faxNumber.c_str(), kMaxFieldLength);
    return candidate;
}

std::vector<int> AllOf(int count) {
    std::vector<int> entries(static_cast<std::size_t>(count));
    std::iota(entries.begin(), entries.end(), 0);
    return entries;
}

TEST(CsvPickerRecovery, AddingWithoutMemoryWarnsAndKeepsTheEntriesAddedBefore) {
    std::vector<CsvCandidate> candidates;
    for (int row = 0; row < 40; ++row)
        candidates.push_back(Candidate("Name " + std::to_string(row % 30), std::to_string(row)));
    const std::vector<int> all = AllOf(static_cast<int>(candidates.size()));
    std::size_t warned = 0;

    const std::size_t allocations = FailEachAllocationInTurn([&](std::size_t failAt) {
        SessionLists lists;
        CsvRecipientPicker picker("C:\\book.csv", candidates, lists, 0);
        picker.AddPicks(std::vector<int>{3, 4});
        CsvRecipientPicker::AddOutcome outcome;
        bool failed = false;
        {
            AllocationCountdown countdown(failAt);
            outcome = picker.AddPicks(all);
            failed = countdown.Injected();
        }
        SCOPED_TRACE("allocation " + std::to_string(failAt));
        if (!failed) {
            EXPECT_EQ(outcome.message, nullptr);
            EXPECT_EQ(picker.PickedCount(), 40);
            return false;
        }
        EXPECT_EQ(outcome.message, texts::kNoMemoryForPicks);
        ++warned;
        // The picked list holds the two entries from before and the `added` new ones, each
        // once, and OK hands over exactly these.
        EXPECT_EQ(picker.PickedCount(), 2 + outcome.added);
        EXPECT_EQ(picker.PickedCandidate(0), 3);
        EXPECT_EQ(picker.PickedCandidate(1), 4);
        for (int entry = 2; entry < picker.PickedCount(); ++entry)
            EXPECT_NE(picker.PickedCandidate(entry), 3);
        EXPECT_EQ(picker.Confirm(), picker.PickedCount());
        EXPECT_EQ(lists.recipients.Size(), static_cast<std::size_t>(picker.PickedCount()));
        return true;
    });
    EXPECT_LT(allocations, kRunLimit);
    EXPECT_EQ(warned, allocations);
    EXPECT_GE(allocations, 3u); // the room for the selection, the list's room, one entry
}

TEST(CsvPickerRecovery, DeletingTakesNoMemory) {
    std::vector<CsvCandidate> candidates;
    for (int row = 0; row < 20; ++row)
        candidates.push_back(Candidate("Name " + std::to_string(row), std::to_string(row)));
    SessionLists lists;
    CsvRecipientPicker picker("C:\\book.csv", candidates, lists, 0);
    picker.AddPicks(AllOf(20));
    const std::vector<int> doomed = {7, 2, 7, 19, 0};
    AllocationCountdown countdown(1);
    EXPECT_TRUE(picker.DeletePicked(doomed));
    EXPECT_EQ(countdown.Allocations(), 0u);
    EXPECT_EQ(picker.PickedCount(), 16);
    EXPECT_EQ(picker.PickedCandidate(0), 1);
    EXPECT_EQ(picker.PickedCandidate(1), 3);
    EXPECT_EQ(picker.PickedCandidate(15), 18);
}

// Mirrors the picked list as the dialog's list box does, outside the count.
class MirroringView : public SpeedDialPickerView {
  public:
    Texts warnings;
    Texts picked;

    void ShowWarning(const char* text) override {
        AllocationsPaused paused;
        warnings.emplace_back(text);
    }
    bool AskReplace(const std::string&) override { return true; }
    void RemovePicked(int position) override {
        AllocationsPaused paused;
        picked.erase(picked.begin() + position);
    }
    bool AppendPicked(const std::string& text, int) override {
        AllocationsPaused paused;
        picked.push_back(text);
        return true;
    }
};

SpeedDialRecord NamedRecord(const std::string& name, const std::string& fax) {
    SpeedDialRecord record = recordTemplate;
    CopyToMember(record.name, name);
    CopyToMember(record.faxNumber, fax);
    return record;
}

TEST(SpeedDialPickerRecovery, AddingWithoutMemoryWarnsAndLeavesListAndPickerAlike) {
    // Records 0 and 5 are equal, so adding 5 replaces 0.
    std::vector<SpeedDialRecord> table;
    for (int record = 0; record < 12; ++record)
        table.push_back(NamedRecord("Recipient with a long name " + std::to_string(record % 5),
                                    "02-2700-" + std::to_string(1000 + record % 5)));
    std::size_t warned = 0;

    const std::size_t allocations = FailEachAllocationInTurn([&](std::size_t failAt) {
        SessionLists lists;
        for (std::size_t record = 0; record < table.size(); ++record)
            lists.pickedRecords.Append(std::to_string(100 + record));
        lists.count = static_cast<int32_t>(table.size());
        SpeedDialPicker picker("C:\\book.csv", table, lists, 0);
        MirroringView view;
        const int first[] = {0};
        picker.AddPicks(first, view);
        const std::vector<int> all = AllOf(picker.SourceCount());
        bool failed = false;
        {
            AllocationCountdown countdown(failAt);
            picker.AddPicks(all, view);
            failed = countdown.Injected();
        }
        SCOPED_TRACE("allocation " + std::to_string(failAt));
        AllocationsPaused paused;
        if (failed) {
            EXPECT_EQ(view.warnings, Texts{texts::kNoMemoryForPicks});
            ++warned;
        } else {
            EXPECT_TRUE(view.warnings.empty());
        }
        // The list box shows what the picker holds, and no two picked entries are equal.
        Texts shown;
        for (int position = 0; position < picker.PickedCount(); ++position)
            shown.push_back(picker.PickedText(position));
        EXPECT_EQ(view.picked, shown);
        std::vector<std::string> keys;
        for (int position = 0; position < picker.PickedCount(); ++position) {
            const SpeedDialRecord& record =
                table[static_cast<std::size_t>(picker.PickedRecord(position))];
            keys.push_back(std::string(MemberText(record.name)) + "|" +
                           std::string(MemberText(record.faxNumber)));
        }
        std::sort(keys.begin(), keys.end());
        EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
        EXPECT_EQ(picker.Confirm(), picker.PickedCount());
        return failed;
    });
    EXPECT_LT(allocations, kRunLimit);
    EXPECT_EQ(warned, allocations);
    EXPECT_GE(allocations, 3u);
}

TEST(SpeedDialPickerRecovery, DeletingTakesNoMemory) {
    std::vector<SpeedDialRecord> table;
    SessionLists lists;
    for (int record = 0; record < 10; ++record) {
        table.push_back(NamedRecord("Name " + std::to_string(record), std::to_string(record)));
        lists.pickedRecords.Append(std::to_string(record));
    }
    lists.count = 10;
    SpeedDialPicker picker("C:\\book.csv", table, lists, 0);
    MirroringView view;
    picker.AddPicks(AllOf(10), view);
    const std::vector<int> doomed = {4, 1, 4, 9};
    AllocationCountdown countdown(1);
    EXPECT_TRUE(picker.DeletePicked(doomed));
    EXPECT_EQ(countdown.Allocations(), 0u);
    EXPECT_EQ(picker.PickedCount(), 7);
}

TEST(CodePageRecovery, AUtf8NameWithoutMemoryIsNeverLeftEmpty) {
    // A base letter and a combining mark, which the conversion composes.
    const char* field = "Nguye\xCC\x82\xCC\x83n \xE9\x99\xB3\xE5\xAE\xB6\xE8\xB1\xAA";
    std::array<char, kNameAnsiBytes> clean{};
    ASSERT_TRUE(ConvertUtf8Name(field, clean));
    ASSERT_NE(clean[0], '\0');
    const std::size_t allocations = FailEachAllocationInTurn([&](std::size_t failAt) {
        std::array<char, kNameAnsiBytes> name{};
        bool threw = false;
        bool failed = false;
        {
            AllocationCountdown countdown(failAt);
            try {
                ConvertUtf8Name(field, name);
            } catch (const std::bad_alloc&) {
                threw = true;
            }
            failed = countdown.Injected();
        }
        if (!threw) {
            EXPECT_STREQ(name.data(), clean.data()) << "allocation " << failAt;
        }
        EXPECT_EQ(threw, failed) << "allocation " << failAt;
        return failed;
    });
    EXPECT_LT(allocations, kRunLimit);
    EXPECT_GE(allocations, 1u);
}

TEST(CodePageRecovery, TheWideToMultiByteSeamReportsAShortageAsItsError) {
    const std::u16string text = u"Nguye\u0302\u0303n \u9673\u5BB6\u8C6A";
    char clean[64] = {};
    const int cleanLength = platform::WideToMultiByte(
        platform::kCodePageAnsi, platform::kWcCompositeCheck, text.data(),
        static_cast<int>(text.size()), clean, sizeof clean, nullptr, nullptr);
    ASSERT_GT(cleanLength, 0);
    const std::size_t allocations = FailEachAllocationInTurn([&](std::size_t failAt) {
        char bytes[64] = {};
        int length = 0;
        bool failed = false;
        {
            AllocationCountdown countdown(failAt);
            length = platform::WideToMultiByte(platform::kCodePageAnsi, platform::kWcCompositeCheck,
                                               text.data(), static_cast<int>(text.size()), bytes,
                                               sizeof bytes, nullptr, nullptr);
            failed = countdown.Injected();
        }
        if (failed) {
            EXPECT_EQ(length, 0) << "allocation " << failAt;
            EXPECT_EQ(platform::LastError(), platform::kErrorNotEnoughMemory);
        } else {
            EXPECT_EQ(std::string(bytes, static_cast<std::size_t>(length)),
                      std::string(clean, static_cast<std::size_t>(cleanLength)));
        }
        return failed;
    });
    EXPECT_LT(allocations, kRunLimit);
    EXPECT_GE(allocations, 2u); // the composed text and the converted bytes
}

TEST(CodePageRecovery, ACharacterBeyondTheBasicPlaneNeverTurnsIntoTheDefaultForWantOfMemory) {
    // GB18030 holds every character, so a default character in the result can only be wrong.
    // A failure while one pass asks whether a character maps shows as a length that differs
    // from the other pass's.
    AnsiCodePageScope codePage(54936);
    const std::string utf8 = "Fax \xF0\x9F\x93\xA0 \xF0\xA0\x80\x8B,02-2700\n";
    platform::FileBytes clean;
    ASSERT_TRUE(ConvertToAnsiCodePage(UnicodeForm::Utf8, utf8.data(), utf8.size(), clean));
    const std::string cleanText(clean.data.get(), clean.size);
    ASSERT_EQ(cleanText.find('?'), std::string::npos);
    const std::size_t allocations = FailEachAllocationInTurn([&](std::size_t failAt) {
        platform::FileBytes converted;
        bool converts = false;
        bool failed = false;
        {
            AllocationCountdown countdown(failAt);
            converts =
                ConvertToAnsiCodePage(UnicodeForm::Utf8, utf8.data(), utf8.size(), converted);
            failed = countdown.Injected();
        }
        EXPECT_EQ(converts, !failed) << "allocation " << failAt;
        if (converts) {
            EXPECT_EQ(std::string(converted.data.get(), converted.size), cleanText);
        }
        return failed;
    });
    EXPECT_LT(allocations, kRunLimit);
    EXPECT_GE(allocations, 3u); // the pieces, one answer for each character, the result
}

} // namespace
