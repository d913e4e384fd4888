#include "speeddial/SpeedDialDetail.h"

#include "text/FixedTexts.h"

namespace {

std::string EntryOf(const StringList& list, int record) {
    const auto index = static_cast<std::size_t>(record);
    return index < list.Size() ? list.At(index) : std::string();
}

} // namespace

SpeedDialDetail DescribeSpeedDialEntry(std::span<const SpeedDialRecord> table,
                                       const SessionLists& lists, int record) {
    const SpeedDialRecord& entry = table[static_cast<std::size_t>(record)];
    SpeedDialDetail detail;
    detail.title = std::string(texts::kSpeedDialNumberTitle) + EntryOf(lists.pickedRecords, record);
    detail.name = MemberText(entry.name);
    detail.faxNumber = MemberText(entry.faxNumber);
    detail.mode = EntryOf(lists.modeTexts, record);
    detail.confidential = EntryOf(lists.confidentialTexts, record);
    detail.relay = EntryOf(lists.relayTexts, record);
    detail.fcode = EntryOf(lists.fcodeTexts, record);
    return detail;
}
