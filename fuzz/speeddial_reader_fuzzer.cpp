// The EWS-CSV reader from a file's bytes, then the picker and the writer on what it read.
// Input: the file, then (from the end) the code page, the option, the recipient limit, which
// entries are added and deleted, and the answers to the replace and memo questions.
#include "FuzzSupport.h"
#include "SpeedDialChecks.h"
#include "session/SourceFailures.h"
#include "speeddial/SpeedDialPicker.h"
#include "speeddial/SpeedDialReader.h"
#include "speeddial/SpeedDialWriter.h"
#include "text/ByteSearch.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

struct Script {
    int optionFlags = 0;
    int limit = 0;
    int addStride = 1; // every n-th source entry is added, then all of them
    int deleteStride = 0;
    bool replace = false;
    bool keepNumbers = false;
    bool limitChild = false;

    explicit Script(FuzzedDataProvider& input)
        : optionFlags(input.ConsumeBool() ? kSingleRecipientOption : 0),
          limit(input.ConsumeIntegralInRange(0, 4)), addStride(input.ConsumeIntegralInRange(1, 4)),
          deleteStride(input.ConsumeIntegralInRange(0, 3)), replace(input.ConsumeBool()),
          keepNumbers(input.ConsumeBool()), limitChild(input.ConsumeBool()) {}
};

// Mirrors the picked list as the list box would, and answers from the script.
class MirrorView : public SpeedDialPickerView {
  public:
    explicit MirrorView(bool replace) : replace_(replace) {}
    void ShowWarning(const char* text) override { FUZZ_REQUIRE(text && *text); }
    bool AskReplace(const std::string& question) override {
        FUZZ_REQUIRE(!question.empty());
        return replace_;
    }
    void RemovePicked(int position) override {
        FUZZ_REQUIRE(position >= 0 && static_cast<std::size_t>(position) < texts.size());
        texts.erase(texts.begin() + position);
    }
    bool AppendPicked(const std::string& text, int) override {
        texts.push_back(text);
        return true;
    }

    std::vector<std::string> texts;

  private:
    bool replace_;
};

class ScriptedMemo : public SpeedDialMemoQuestion {
  public:
    ScriptedMemo(bool limitChild, bool answer) : limitChild_(limitChild), answer_(answer) {}
    bool HostHasLimitChild() override { return limitChild_; }
    bool AskKeepNumbersAsMemo() override { return answer_; }

  private:
    bool limitChild_;
    bool answer_;
};

template <std::size_t N> bool AllZero(const char (&member)[N]) {
    return std::all_of(member, member + N, [](char byte) { return byte == '\0'; });
}

// What every record holds once read, and once written.
void CheckRecord(const SpeedDialRecord& record, bool written) {
    FUZZ_REQUIRE(AllMembersTerminated(record));
    const std::string_view faxNumber = MemberText(record.faxNumber);
    FUZZ_REQUIRE(!faxNumber.empty() && IsCleanFaxNumber(faxNumber));
    FUZZ_REQUIRE(record.commMode >= 0 && record.commMode <= 2);
    FUZZ_REQUIRE(IsTransmitType(record.transmitType));
    FUZZ_REQUIRE(record.relayOption == '0' || record.relayOption == '1');
    FUZZ_REQUIRE(record.relayTargetCount >= 0 &&
                 record.relayTargetCount <= static_cast<int32_t>(kRelayTargetSlots));
    FUZZ_REQUIRE(AllZero(record.reserved62) && AllZero(record.reserved78) &&
                 AllZero(record.reserved148) && AllZero(record.reserved234));
    if (written) {
        FUZZ_REQUIRE(record.transmitType != kTransmitRelayAndConfidential);
        return;
    }
    // The settings stay in the lists until the records are written.
    FUZZ_REQUIRE(record.relayOption == '0' && record.relayTargetCount == 0);
    FUZZ_REQUIRE(AllZero(record.confidentialBox) && AllZero(record.fcodeSubaddress));
}

void CheckRead(const SpeedDialState& state, const SessionLists& lists, int records,
               int32_t excludedLines, std::string_view bytes) {
    const auto count = static_cast<std::size_t>(records);
    FUZZ_REQUIRE(state.speedDialTable.Size() == count);
    for (const StringList* list : {&lists.pickedRecords, &lists.confidentialTexts,
                                   &lists.relayTexts, &lists.fcodeTexts, &lists.modeTexts})
        FUZZ_REQUIRE(list->Size() == count);
    const std::size_t lineFeeds = CountByte(bytes.data(), bytes.size(), '\n');
    FUZZ_REQUIRE(excludedLines >= 0 &&
                 count + static_cast<std::size_t>(excludedLines) <= lineFeeds);
    const int32_t version = state.format.ewsFormatVersion;
    FUZZ_REQUIRE(version == 0 || version == 1 || version == 2 || version == 3 || version == 5 ||
                 version == 6);
    for (const SpeedDialRecord& record : state.speedDialTable.Records())
        CheckRecord(record, false);
}

// Adds every n-th entry, then every entry (equal ones raise the replace question), then
// deletes every n-th picked entry; the mirrored list must follow the picker.
void PickEntries(SpeedDialPicker& picker, const Script& script, MirrorView& view) {
    std::vector<int> every(static_cast<std::size_t>(picker.SourceCount()));
    for (std::size_t position = 0; position < every.size(); ++position)
        every[position] = static_cast<int>(position);
    std::vector<int> some;
    for (const int position : every)
        if (position % script.addStride == 0)
            some.push_back(position);
    picker.AddPicks(some, view);
    picker.AddPicks(every, view);
    FUZZ_REQUIRE(view.texts.size() == static_cast<std::size_t>(picker.PickedCount()));
    for (int position = 0; position < picker.PickedCount(); ++position)
        FUZZ_REQUIRE(view.texts[static_cast<std::size_t>(position)] == picker.PickedText(position));
    if (script.limit > 0)
        FUZZ_REQUIRE(picker.PickedCount() <= script.limit);
    if (SingleRecipientRestriction(script.optionFlags))
        FUZZ_REQUIRE(picker.PickedCount() <= 1);
    if (script.deleteStride > 0) {
        std::vector<int> deleted;
        for (int position = 0; position < picker.PickedCount(); position += script.deleteStride)
            deleted.push_back(position);
        const int before = picker.PickedCount();
        picker.DeletePicked(deleted);
        FUZZ_REQUIRE(picker.PickedCount() == before - static_cast<int>(deleted.size()));
    }
    if (picker.SourceCount() > 0) {
        const int one[1] = {picker.SourceCount() - 1};
        const auto detail = picker.ShowDetails(one, view);
        FUZZ_REQUIRE(detail && !detail->title.empty());
    }
}

void CheckWritten(const std::string& bytes, const SessionLists& lists, std::size_t tableSize) {
    const auto count = static_cast<std::size_t>(lists.count);
    FUZZ_REQUIRE(bytes.size() == count * sizeof(SpeedDialRecord));
    for (std::size_t entry = 0; entry < count; ++entry) {
        std::size_t index = 0;
        const std::string& text = lists.pickedRecords.At(entry);
        std::from_chars(text.data(), text.data() + text.size(), index);
        FUZZ_REQUIRE(index < tableSize);
        SpeedDialRecord record;
        std::memcpy(&record, bytes.data() + entry * sizeof record, sizeof record);
        CheckRecord(record, true);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    platform::SetAnsiCodePage(input.PickValueInArray(kAnsiCodePages));
    const Script script(input);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    platform::FileBytes file = FileBytesOf(bytes);
    SessionLists lists;
    lists.limit = script.limit;
    SpeedDialState state;
    int32_t excludedLines = -1;
    const int records = ParseSpeedDialRecords(file, lists, excludedLines, state);
    FUZZ_REQUIRE(records > 0 || records == kNoFaxNumberFound || records == kNothingRead ||
                 records == kUnknownSpeedDialFormat || records == kOutOfMemory);
    FUZZ_REQUIRE(state.speedDialTable.Exists() || records == kNothingRead ||
                 records == kUnknownSpeedDialFormat);
    if (records <= 0)
        return 0;
    CheckRead(state, lists, records, excludedLines, bytes);

    lists.count = records;
    SpeedDialPicker picker("fuzz.csv", state.speedDialTable.Records(), lists, script.optionFlags);
    FUZZ_REQUIRE(picker.SourceCount() == records);
    std::vector<char> listed(static_cast<std::size_t>(records), 0);
    for (int position = 0; position < records; ++position) {
        const int record = picker.SourceRecord(position);
        FUZZ_REQUIRE(record >= 0 && record < records && !listed[static_cast<std::size_t>(record)]);
        listed[static_cast<std::size_t>(record)] = 1;
    }
    MirrorView view(script.replace);
    PickEntries(picker, script, view);
    const int picked = picker.PickedCount();
    FUZZ_REQUIRE(picker.Confirm() == picked && lists.count == picked);

    ExchangeFileBuffer exchange;
    ScriptedMemo memo(script.limitChild, script.keepNumbers);
    FUZZ_REQUIRE(WriteSpeedDialRecords(lists, exchange, state.speedDialTable,
                                       state.format.ewsFormatVersion, memo));
    CheckWritten(exchange.Bytes(), lists, state.speedDialTable.Size());
    return 0;
}
