#include "session/win32/ImportConfirmDialog.h"

#include "ResourceIds.h"
#include "session/ConfirmationView.h"
#include "ui/ListBoxEntries.h"

namespace {

constexpr int kNameColumnWidth = 148; // dialog units

} // namespace

ImportConfirmDialog::ImportConfirmDialog(SessionLists& lists, const ImportStatistics& statistics,
                                         int importType)
    : ModalDialog(IDD_IMPORT_CONFIRM), lists_(lists), statistics_(statistics),
      importType_(importType) {}

bool ImportConfirmDialog::OnInit() {
    HWND list = Item(IDC_CONFIRM_LIST);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    int tabStop = kNameColumnWidth;
    ::SendMessageA(list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));

    const ConfirmationView view = BuildConfirmationView(lists_, statistics_, importType_);
    SetItemText(IDC_CONFIRM_HEADING, view.heading.c_str());
    SetItemText(IDC_SELECTED_COUNT, view.selected.c_str());
    SetItemText(IDC_EXCLUDED_COUNT, view.excluded.c_str());
    SetItemText(IDC_VALID_COUNT, view.valid.c_str());
    SetItemText(IDC_LIMIT_NOTE, view.limitNote.c_str());
    SetItemText(IDC_EXCLUDED_LABEL, view.excludedLabel);
    // Every recipient to be written is shown: a list that cannot take them all ends the
    // import as out of memory.
    const ui::RedrawPaused quiet(list);
    for (const std::string& line : view.lines)
        ui::AppendEntryOrThrow(list, line.c_str());
    return true;
}

void ImportConfirmDialog::OnCancel() {
    CancelSelection(lists_);
    End(IDCANCEL);
}
