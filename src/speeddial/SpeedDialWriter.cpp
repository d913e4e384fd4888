#include "speeddial/SpeedDialWriter.h"

#include "speeddial/RelaySetting.h"
#include "speeddial/SecretSettings.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr int32_t kMemoQuestionVersion = 2;

std::optional<std::size_t> RecordIndex(const std::string& entry, std::size_t tableSize) {
    std::size_t index = 0;
    const char* end = entry.data() + entry.size();
    const auto [stop, error] = std::from_chars(entry.data(), end, index);
    if (entry.empty() || error != std::errc() || stop != end || index >= tableSize)
        return std::nullopt;
    return index;
}

std::string_view EntryOf(const StringList& list, std::size_t index) {
    return index < list.Size() ? std::string_view(list.At(index)) : std::string_view();
}

} // namespace

char SettleTransmitType(int32_t ewsFormatVersion, char marked, bool relayValid,
                        bool confidentialValid) {
    if (ewsFormatVersion != 0 && marked != kTransmitRelayAndConfidential) {
        if (marked == kTransmitRelay)
            return relayValid ? kTransmitRelay : kTransmitOrdinary;
        if (marked == kTransmitConfidential)
            return confidentialValid ? kTransmitConfidential : kTransmitOrdinary;
        return kTransmitOrdinary;
    }
    if (relayValid == confidentialValid)
        return kTransmitOrdinary;
    return relayValid ? kTransmitRelay : kTransmitConfidential;
}

bool WriteSpeedDialRecords(const SessionLists& lists, ExchangeFileBuffer& file,
                           SpeedDialTable& table, int32_t ewsFormatVersion,
                           SpeedDialMemoQuestion& memo) {
    // The count is in the file already: every record must be there before any is written.
    const auto count = static_cast<std::size_t>(lists.count > 0 ? lists.count : 0);
    if (lists.pickedRecords.Size() < count)
        return false;
    std::vector<std::size_t> picks;
    picks.reserve(count);
    for (std::size_t entry = 0; entry < count; ++entry) {
        const auto index = RecordIndex(lists.pickedRecords.At(entry), table.Size());
        if (!index)
            return false;
        picks.push_back(*index);
    }

    const bool keepNumbers = ewsFormatVersion >= kMemoQuestionVersion &&
                             !memo.HostHasLimitChild() && memo.AskKeepNumbersAsMemo();
    for (const std::size_t index : picks) {
        SpeedDialRecord& record = table[index];
        const int relay = ApplyRelaySetting(record, EntryOf(lists.relayTexts, index));
        const int confidential = ApplyConfidentialSetting(
            record, EntryOf(lists.confidentialTexts, index), ewsFormatVersion);
        record.transmitType = SettleTransmitType(ewsFormatVersion, record.transmitType, relay == 1,
                                                 confidential == 1);
        if (!keepNumbers)
            record.speedDialNumber = 0;
        ApplyFCodeSetting(record, EntryOf(lists.fcodeTexts, index), ewsFormatVersion);
        file.Append(&record, sizeof record);
    }
    return true;
}
