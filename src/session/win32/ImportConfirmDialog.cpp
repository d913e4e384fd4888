#include "session/win32/ImportConfirmDialog.h"

#include "ResourceIds.h"
#include "session/ConfirmationView.h"

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
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const std::string& line : view.lines)
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    return true;
}

void ImportConfirmDialog::OnCancel() {
    CancelSelection(lists_);
    End(IDCANCEL);
}
