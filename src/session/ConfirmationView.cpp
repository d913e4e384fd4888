#include "session/ConfirmationView.h"

#include "session/RecipientRecord.h"
#include "session/SourceFailures.h"
#include "text/FixedTexts.h"

#include <cstdint>

namespace {

std::string Unsigned(int32_t value) {
    return std::to_string(static_cast<uint32_t>(value));
}

} // namespace

ConfirmationView BuildConfirmationView(const SessionLists& lists,
                                       const ImportStatistics& statistics, int importType) {
    ConfirmationView view;
    view.heading = FormatText(texts::kConfirmHeading, lists.count);
    view.selected = Unsigned(statistics.selectedCount);
    view.excluded = Unsigned(statistics.excludedCount);
    view.valid = Unsigned(statistics.validCount);
    if (lists.limit > 0 && statistics.validCount > lists.limit)
        view.limitNote = texts::kLimitNote;
    const bool addressBook = importType >= kImportMapi && importType <= kImportWabDefaultFile;
    view.excludedLabel = addressBook ? texts::kExcludedFromSelection : texts::kExcludedFromDatabase;

    const std::size_t shown = lists.count > 0 ? static_cast<std::size_t>(lists.count) : 0;
    for (std::size_t i = 0; i < shown && i < lists.recipients.Size(); ++i) {
        char name[kSplitBufferSize];
        char faxNumber[kSplitBufferSize];
        SplitRecipientEntry(lists.recipients.At(i).c_str(), name, faxNumber);
        view.lines.push_back(std::string(name) + '\t' + faxNumber);
    }
    return view;
}

void CancelSelection(SessionLists& lists) {
    lists.count = 0;
    lists.recipients.Clear();
}
