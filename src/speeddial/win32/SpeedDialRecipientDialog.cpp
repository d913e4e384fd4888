#include "speeddial/win32/SpeedDialRecipientDialog.h"

#include "ResourceIds.h"
#include "session/win32/HelpTopic.h"
#include "session/win32/ImportApp.h"
#include "speeddial/win32/SpeedDialDetailDialog.h"
#include "text/FixedTexts.h"

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
    // record order; the list box is not sorted itself, so a position in the list is always a
    // position in the picker.
    ::SendMessageA(sourceList_, WM_SETREDRAW, FALSE, 0);
    for (int position = 0; position < picker_.SourceCount(); ++position) {
        const LRESULT added =
            ::SendMessageA(sourceList_, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(picker_.SourceText(position).c_str()));
        ::SendMessageA(sourceList_, LB_SETITEMDATA, added, picker_.SourceRecord(position));
    }
    ::SendMessageA(sourceList_, WM_SETREDRAW, TRUE, 0);
    ::SendMessageA(sourceList_, LB_SETSEL, TRUE, 0);
    ::InvalidateRect(sourceList_, nullptr, TRUE);

    ::SetWindowTextA(Window(), picker_.Title().c_str());
    ::SetForegroundWindow(Window());
    return true;
}

std::vector<int> SpeedDialRecipientDialog::SelectedSourceEntries() const {
    const LRESULT count = ::SendMessageA(sourceList_, LB_GETSELCOUNT, 0, 0);
    std::vector<int> selected(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (!selected.empty())
        ::SendMessageA(sourceList_, LB_GETSELITEMS, selected.size(),
                       reinterpret_cast<LPARAM>(selected.data()));
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
    picker_.AddPicks(
        selectedCount > 0 ? static_cast<std::size_t>(selectedCount) : 0,
        [this](std::span<int> room) {
            ::SendMessageA(sourceList_, LB_GETSELITEMS, room.size(),
                           reinterpret_cast<LPARAM>(room.data()));
        },
        *this);
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

void SpeedDialRecipientDialog::ShowWarning(const char* text) {
    ShowMessageBox(Window(), text, texts::kSpeedDialImportCaption, MB_OK | MB_ICONWARNING);
}

bool SpeedDialRecipientDialog::AskReplace(const std::string& question) {
    return ShowMessageBox(Window(), question.c_str(), texts::kSpeedDialImportCaption,
                          MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void SpeedDialRecipientDialog::RemovePicked(int position) {
    ::SendMessageA(pickedList_.Handle(), LB_DELETESTRING, position, 0);
}

void SpeedDialRecipientDialog::AppendPicked(const std::string& text, int record) {
    HWND picked = pickedList_.Handle();
    const LRESULT position =
        ::SendMessageA(picked, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageA(picked, LB_SETITEMDATA, position, record);
}
