#include "csv/win32/CsvRecipientDialog.h"

#include "ResourceIds.h"
#include "session/win32/HelpTopic.h"
#include "session/win32/ImportApp.h"
#include "session/win32/ProgressDialog.h"
#include "text/FixedTexts.h"

#include <array>
#include <vector>

CsvRecipientDialog::CsvRecipientDialog(CsvRecipientPicker& picker)
    : ModalDialog(IDD_CSV_PICKER), picker_(picker) {}

std::span<const ModalDialog::Command> CsvRecipientDialog::Commands() const {
    static const std::array commands = {
        On(IDC_SEARCH_TEXT, EN_CHANGE, &CsvRecipientDialog::OnSearchChange),
        On(IDC_SOURCE_LIST, LBN_DBLCLK, &CsvRecipientDialog::OnAdd),
        On(IDC_ADD_PICKS, BN_CLICKED, &CsvRecipientDialog::OnAdd),
        On(IDC_DELETE_PICKS, BN_CLICKED, &CsvRecipientDialog::OnDelete),
        On(IDC_PICKER_HELP, BN_CLICKED, &CsvRecipientDialog::OnHelp),
    };
    return commands;
}

bool CsvRecipientDialog::OnInit() {
    sourceList_ = Item(IDC_SOURCE_LIST);
    pickedList_.Bind(Item(IDC_PICKED_LIST), [this](std::span<const int> selected) {
        return picker_.DeletePicked(selected);
    });
    FillSourceList();
    ::SetWindowTextA(Window(), picker_.Title().c_str());
    ::SetForegroundWindow(Window());
    return true;
}

void CsvRecipientDialog::FillSourceList() {
    ProgressDialog progress;
    ::SendMessageA(pickedList_.Handle(), LB_RESETCONTENT, 0, 0);
    ::SendMessageA(sourceList_, LB_RESETCONTENT, 0, 0);
    const int count = picker_.SourceCount();
    // Room for every entry at once, and no drawing until the list is full.
    ::SendMessageA(sourceList_, LB_INITSTORAGE, count, static_cast<LPARAM>(count) * 64);
    ::SendMessageA(sourceList_, WM_SETREDRAW, FALSE, 0);
    for (int entry = 0; entry < count; ++entry) {
        const LRESULT position =
            ::SendMessageA(sourceList_, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(picker_.SourceText(entry).CStr()));
        ::SendMessageA(sourceList_, LB_SETITEMDATA, position, entry);
    }
    ::SendMessageA(sourceList_, WM_SETREDRAW, TRUE, 0);
    ::SendMessageA(sourceList_, LB_SETSEL, TRUE, 0);
    ::InvalidateRect(sourceList_, nullptr, TRUE);
}

void CsvRecipientDialog::OnSearchChange() {
    char typed[kMaxFieldLength + 1] = {};
    ::GetWindowTextA(Item(IDC_SEARCH_TEXT), typed, sizeof typed);
    int firstSelected = -1;
    ::SendMessageA(sourceList_, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&firstSelected));
    if (::SendMessageA(sourceList_, LB_GETSELCOUNT, 0, 0) <= 0)
        firstSelected = -1;
    const int found = picker_.FindTypedName(typed, firstSelected);
    if (found < 0)
        return;
    ::SendMessageA(sourceList_, LB_SETSEL, FALSE, -1);
    ::SendMessageA(sourceList_, LB_SETSEL, TRUE, found);
    ::SendMessageA(sourceList_, LB_SETTOPINDEX, found, 0);
}

void CsvRecipientDialog::OnAdd() {
    const LRESULT selectedCount = ::SendMessageA(sourceList_, LB_GETSELCOUNT, 0, 0);
    const auto outcome =
        picker_.AddPicks(selectedCount > 0 ? static_cast<std::size_t>(selectedCount) : 0,
                         [this](std::span<int> room) {
                             ::SendMessageA(sourceList_, LB_GETSELITEMS, room.size(),
                                            reinterpret_cast<LPARAM>(room.data()));
                         });
    HWND picked = pickedList_.Handle();
    ::SendMessageA(picked, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(picked, LB_INITSTORAGE, outcome.added, static_cast<LPARAM>(outcome.added) * 64);
    for (int entry = picker_.PickedCount() - outcome.added; entry < picker_.PickedCount();
         ++entry) {
        const LRESULT position = ::SendMessageA(
            picked, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(picker_.PickedText(entry).CStr()));
        ::SendMessageA(picked, LB_SETITEMDATA, position, picker_.PickedCandidate(entry));
    }
    ::SendMessageA(picked, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(picked, nullptr, TRUE);
    if (outcome.message)
        ShowMessageBox(Window(), outcome.message, texts::kCsvImportCaption, MB_OK | MB_ICONWARNING);
}

void CsvRecipientDialog::OnDelete() {
    pickedList_.DeleteSelected();
}

void CsvRecipientDialog::OnHelp() {
    ShowHelpTopic(Window(), kCsvHelpTopic);
}

bool CsvRecipientDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message != WM_VKEYTOITEM || reinterpret_cast<HWND>(lParam) != pickedList_.Handle())
        return false;
    result = pickedList_.AnswerVirtualKey(LOWORD(wParam));
    return true;
}
