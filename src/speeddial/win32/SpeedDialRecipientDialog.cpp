#include "speeddial/win32/SpeedDialRecipientDialog.h"

#include "ResourceIds.h"
#include "session/win32/HelpTopic.h"
#include "session/win32/ImportApp.h"
#include "speeddial/win32/SpeedDialDetailDialog.h"
#include "text/FixedTexts.h"
#include "ui/ListBoxEntries.h"

#include <array>
#include <vector>

namespace {

constexpr int kNameColumn = 50; // dialog units

} // namespace

SpeedDialRecipientDialog::SpeedDialRecipientDialog(SpeedDialPicker& picker)
    : ModalDialog(IDD_SPEED_DIAL_PICKER), picker_(picker) {}

std::span<const ModalDialog::Command> SpeedDialRecipientDialog::Commands() const {
    static const std::array commands = {
        On(IDC_SEARCH_TEXT, EN_CHANGE, &SpeedDialRecipientDialog::OnNumberChange),
        On(IDC_SOURCE_LIST, LBN_DBLCLK, &SpeedDialRecipientDialog::OnAdd),
        On(IDC_ADD_PICKS, BN_CLICKED, &SpeedDialRecipientDialog::OnAdd),
        On(IDC_DELETE_PICKS, BN_CLICKED, &SpeedDialRecipientDialog::OnDelete),
        On(IDC_VIEW_DETAILS, BN_CLICKED, &SpeedDialRecipientDialog::OnViewDetails),
        On(IDC_PICKER_HELP, BN_CLICKED, &SpeedDialRecipientDialog::OnHelp),
    };
    return commands;
}

bool SpeedDialRecipientDialog::OnInit() {
    sourceList_ = Item(IDC_SOURCE_LIST);
    pickedList_.Bind(Item(IDC_PICKED_LIST), [this](std::span<const int> selected) {
        return picker_.DeletePicked(selected);
    });
    HWND picked = pickedList_.Handle();
    ::SendMessageA(picked, LB_RESETCONTENT, 0, 0);
    int tabStop = kNameColumn;
    ::SendMessageA(picked, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    ::SendMessageA(sourceList_, LB_RESETCONTENT, 0, 0);
    ::SendMessageA(Item(IDC_SEARCH_TEXT), EM_LIMITTEXT, kTypedNumberLimit, 0);

    // The picker sorts the entries as a sorted list box would, and keeps equal numbers in
    // record order; each entry carries its record. Room for every entry at once, and no
    // drawing until the list is full. A list that cannot take every entry cannot offer the
    // file: the import ends as out of memory.
    const int count = picker_.SourceCount();
    ::SendMessageA(sourceList_, LB_INITSTORAGE, count, static_cast<LPARAM>(count) * 16);
    {
        const ui::RedrawPaused quiet(sourceList_);
        for (int position = 0; position < count; ++position)
            ui::AppendEntryOrThrow(sourceList_, picker_.SourceText(position).c_str(),
                                   picker_.SourceRecord(position));
    }
    ::SendMessageA(sourceList_, LB_SETSEL, TRUE, 0);

    ::SetWindowTextA(Window(), picker_.Title().c_str());
    ::SetForegroundWindow(Window());
    return true;
}

void SpeedDialRecipientDialog::ReadSelection(std::span<int> room) const {
    ::SendMessageA(sourceList_, LB_GETSELITEMS, room.size(), reinterpret_cast<LPARAM>(room.data()));
    // Each entry names its record, whose place in the picker's order is looked up.
    for (int& entry : room)
        entry = picker_.SourcePosition(ui::EntryData(sourceList_, entry));
}

std::vector<int> SpeedDialRecipientDialog::SelectedSourceEntries() const {
    const LRESULT count = ::SendMessageA(sourceList_, LB_GETSELCOUNT, 0, 0);
    std::vector<int> selected(count > 0 ? static_cast<std::size_t>(count) : 0);
    ReadSelection(selected);
    return selected;
}

void SpeedDialRecipientDialog::OnNumberChange() {
    char typed[kTypedNumberLimit + 1] = {};
    ::GetWindowTextA(Item(IDC_SEARCH_TEXT), typed, sizeof typed);
    const std::vector<int> selected = SelectedSourceEntries();
    const int found = picker_.FindTypedNumber(typed, selected.empty() ? -1 : selected.front());
    if (found < 0)
        return;
    ::SendMessageA(sourceList_, LB_SETSEL, FALSE, -1);
    ::SendMessageA(sourceList_, LB_SETSEL, TRUE, found);
    ::SendMessageA(sourceList_, LB_SETTOPINDEX, found, 0);
}

void SpeedDialRecipientDialog::OnAdd() {
    const LRESULT selectedCount = ::SendMessageA(sourceList_, LB_GETSELCOUNT, 0, 0);
    const std::size_t selected = selectedCount > 0 ? static_cast<std::size_t>(selectedCount) : 0;
    HWND picked = pickedList_.Handle();
    ::SendMessageA(picked, LB_INITSTORAGE, selected, static_cast<LPARAM>(selected) * 64);
    addingQuietly_.emplace(picked);
    picker_.AddPicks(
        selected, [this](std::span<int> room) { ReadSelection(room); }, *this);
    addingQuietly_.reset();
}

void SpeedDialRecipientDialog::OnDelete() {
    pickedList_.DeleteSelected();
}

void SpeedDialRecipientDialog::OnViewDetails() {
    const auto detail = picker_.ShowDetails(SelectedSourceEntries(), *this);
    if (!detail)
        return;
    SpeedDialDetailDialog dialog(*detail);
    dialog.Run(Window());
}

void SpeedDialRecipientDialog::OnHelp() {
    ShowHelpTopic(Window(), kSpeedDialHelpTopic);
}

bool SpeedDialRecipientDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                         INT_PTR& result) {
    if (message != WM_VKEYTOITEM || reinterpret_cast<HWND>(lParam) != pickedList_.Handle())
        return false;
    result = pickedList_.AnswerVirtualKey(LOWORD(wParam));
    return true;
}

int SpeedDialRecipientDialog::Ask(const char* text, UINT style) {
    // The picked list shows what was added so far while the user reads the message.
    const bool quiet = addingQuietly_.has_value();
    addingQuietly_.reset();
    const int button = ShowMessageBox(Window(), text, texts::kSpeedDialImportCaption, style);
    if (quiet)
        addingQuietly_.emplace(pickedList_.Handle());
    return button;
}

void SpeedDialRecipientDialog::ShowWarning(const char* text) {
    Ask(text, MB_OK | MB_ICONWARNING);
}

bool SpeedDialRecipientDialog::AskReplace(const std::string& question) {
    return Ask(question.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void SpeedDialRecipientDialog::RemovePicked(int position) {
    ::SendMessageA(pickedList_.Handle(), LB_DELETESTRING, position, 0);
}

bool SpeedDialRecipientDialog::AppendPicked(const std::string& text, int record) {
    return ui::AppendEntry(pickedList_.Handle(), text.c_str(), record);
}
