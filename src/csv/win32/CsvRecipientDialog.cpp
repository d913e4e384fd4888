#include "csv/win32/CsvRecipientDialog.h"

#include "ResourceIds.h"
#include "session/win32/HelpTopic.h"
#include "session/win32/ImportApp.h"
#include "session/win32/ProgressDialog.h"
#include "text/FixedTexts.h"
#include "ui/ListBoxEntries.h"

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
    // Room for every entry at once, and no drawing until the list is full. A list that cannot
    // take every candidate cannot offer the file: the import ends as out of memory.
    ::SendMessageA(sourceList_, LB_INITSTORAGE, count, static_cast<LPARAM>(count) * 64);
    {
        const ui::RedrawPaused quiet(sourceList_);
        for (int entry = 0; entry < count; ++entry)
            ui::AppendEntryOrThrow(sourceList_, picker_.SourceText(entry).CStr(), entry);
    }
    ::SendMessageA(sourceList_, LB_SETSEL, TRUE, 0);
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
    auto outcome = picker_.AddPicks(selectedCount > 0 ? static_cast<std::size_t>(selectedCount) : 0,
                                    [this](std::span<int> room) {
                                        ::SendMessageA(sourceList_, LB_GETSELITEMS, room.size(),
                                                       reinterpret_cast<LPARAM>(room.data()));
                                        // Each entry names its candidate.
                                        for (int& entry : room)
                                            entry = ui::EntryData(sourceList_, entry);
                                    });
    if (!ShowNewPicks(outcome.added))
        outcome.message = texts::kNoMemoryForPicks;
    if (outcome.message)
        ShowMessageBox(Window(), outcome.message, texts::kCsvImportCaption, MB_OK | MB_ICONWARNING);
}

bool CsvRecipientDialog::ShowNewPicks(int added) {
    HWND picked = pickedList_.Handle();
    const ui::RedrawPaused quiet(picked);
    ::SendMessageA(picked, LB_INITSTORAGE, added, static_cast<LPARAM>(added) * 64);
    const int count = picker_.PickedCount();
    for (int entry = count - added; entry < count; ++entry) {
        if (!ui::AppendEntry(picked, picker_.PickedText(entry).CStr(),
                             picker_.PickedCandidate(entry))) {
            // What the list box could not take is not picked either.
            picker_.DropLastPicked(count - entry);
            return false;
        }
    }
    return true;
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
