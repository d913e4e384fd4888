#include "PickingUser.h"

#include "AllocationFaults.h"

#include <span>

namespace {

// Fills the room with every source position, as a list box with everything selected does.
void SelectAll(std::span<int> room) {
    for (std::size_t position = 0; position < room.size(); ++position)
        room[position] = static_cast<int>(position);
}

} // namespace

bool PickingCsvDialogs::ChooseColumns(CsvColumnChoice& choice) {
    (void)choice.Title();
    for (std::size_t column = 0; column < choice.FieldCount(); ++column)
        (void)choice.FieldText(column);
    if (nameColumn >= 0)
        choice.ToggleName(nameColumn);
    choice.ToggleFax(faxColumn);
    (void)choice.NameFieldText();
    (void)choice.FaxFieldText();
    return choice.RefusalOnOk() == nullptr;
}

bool PickingCsvDialogs::PickRecipients(CsvRecipientPicker& picker) {
    (void)picker.Title();
    for (int entry = 0; entry < picker.SourceCount(); ++entry)
        (void)picker.SourceText(entry);
    const auto outcome = picker.AddPicks(static_cast<std::size_t>(picker.SourceCount()), SelectAll);
    for (int entry = picker.PickedCount() - outcome.added; entry < picker.PickedCount(); ++entry)
        (void)picker.PickedText(entry);
    faults::AllocationsPaused paused;
    if (outcome.message) {
        warnings.emplace_back(outcome.message);
        return false;
    }
    pickedEntries = picker.PickedCount();
    return true;
}

bool PickingSpeedDialDialogs::PickRecipients(SpeedDialPicker& picker) {
    for (int position = 0; position < picker.SourceCount(); ++position) {
        (void)picker.SourceText(position);
        (void)picker.SourceRecord(position);
    }
    (void)picker.Title();
    picker.AddPicks(static_cast<std::size_t>(picker.SourceCount()), SelectAll, *this);
    faults::AllocationsPaused paused;
    return warnings.empty();
}

void PickingSpeedDialDialogs::ShowWarning(const char* text) {
    faults::AllocationsPaused paused;
    warnings.emplace_back(text);
}

bool PickingSpeedDialDialogs::AskReplace(const std::string&) {
    return true;
}

void PickingSpeedDialDialogs::RemovePicked(int position) {
    faults::AllocationsPaused paused;
    pickedTexts.erase(pickedTexts.begin() + position);
}

bool PickingSpeedDialDialogs::AppendPicked(const std::string& text, int) {
    faults::AllocationsPaused paused;
    pickedTexts.push_back(text);
    return true;
}
