#include "csv/win32/CsvColumnDialog.h"

#include "ResourceIds.h"
#include "session/win32/ImportApp.h"
#include "text/FixedTexts.h"
#include "ui/ListBoxEntries.h"

#include <array>

CsvColumnDialog::CsvColumnDialog(CsvColumnChoice& choice)
    : ModalDialog(IDD_CSV_COLUMNS), choice_(choice) {}

std::span<const ModalDialog::Command> CsvColumnDialog::Commands() const {
    static const std::array commands = {
        On(IDC_NAME_COLUMN_BUTTON, BN_CLICKED, &CsvColumnDialog::OnNameButton),
        On(IDC_FAX_COLUMN_BUTTON, BN_CLICKED, &CsvColumnDialog::OnFaxButton),
    };
    return commands;
}

bool CsvColumnDialog::OnInit() {
    HWND list = Item(IDC_COLUMN_LIST);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // A position in the list is a column: a list that cannot take every field ends the import
    // as out of memory.
    for (std::size_t column = 0; column < choice_.FieldCount(); ++column)
        ui::AppendEntryOrThrow(list, choice_.FieldText(column));
    ::SendMessageA(list, LB_SETCURSEL, 0, 0);
    ShowChoice();
    ::SetWindowTextA(Window(), choice_.Title().c_str());
    ::SetForegroundWindow(Window());
    return true;
}

int CsvColumnDialog::Selection() const {
    return static_cast<int>(::SendMessageA(Item(IDC_COLUMN_LIST), LB_GETCURSEL, 0, 0));
}

void CsvColumnDialog::ShowChoice() {
    SetItemText(IDC_NAME_COLUMN_BUTTON, choice_.NameButtonCaption());
    SetItemText(IDC_FAX_COLUMN_BUTTON, choice_.FaxButtonCaption());
    SetItemText(IDC_NAME_COLUMN_TEXT, choice_.NameFieldText());
    SetItemText(IDC_FAX_COLUMN_TEXT, choice_.FaxFieldText());
}

void CsvColumnDialog::OnNameButton() {
    choice_.ToggleName(Selection());
    ShowChoice();
}

void CsvColumnDialog::OnFaxButton() {
    choice_.ToggleFax(Selection());
    ShowChoice();
}

void CsvColumnDialog::OnOK() {
    if (const char* refusal = choice_.RefusalOnOk()) {
        ShowMessageBox(Window(), refusal, texts::kCsvImportCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    End(IDOK);
}
