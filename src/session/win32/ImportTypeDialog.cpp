#include "session/win32/ImportTypeDialog.h"

#include "ResourceIds.h"
#include "addressbook/win32/WabLibrary.h"
#include "session/win32/HelpTopic.h"

#include <array>

ImportTypeAvailability DetectImportTypeAvailability(int optionFlags) {
    ImportTypeAvailability availability;
    availability.optionFlags = optionFlags;
    availability.mapiProfile = ::GetProfileIntA("Mail", "MAPIX", 0) == 1;
    availability.wabLibrary = FindWabLibrary() == 1;
    return availability;
}

ImportTypeDialog::ImportTypeDialog(const ImportTypeAvailability& availability)
    : ModalDialog(IDD_IMPORT_TYPE), availability_(availability) {}

std::span<const ModalDialog::Command> ImportTypeDialog::Commands() const {
    static const std::array commands = {
        On(IDC_IMPORT_TYPE_LIST, CBN_SELCHANGE, &ImportTypeDialog::OnSelectionChange),
        On(IDC_CHOOSER_HELP, BN_CLICKED, &ImportTypeDialog::OnHelp),
    };
    return commands;
}

bool ImportTypeDialog::OnInit() {
    typeList_ = Item(IDC_IMPORT_TYPE_LIST);
    ::SendMessageA(typeList_, CB_RESETCONTENT, 0, 0);
    SetChecked(IDC_SEARCH_COLUMNS, false);
    SetChecked(IDC_DEFAULT_WAB, true);
    for (const ImportTypeEntry& entry : ImportTypeEntries(availability_)) {
        const LRESULT index =
            ::SendMessageA(typeList_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text));
        ::SendMessageA(typeList_, CB_SETITEMDATA, index, entry.importType);
    }
    ::SendMessageA(typeList_, CB_SETCURSEL, 0, 0);
    OnSelectionChange();
    ::SetForegroundWindow(Window());
    return true;
}

void ImportTypeDialog::OnSelectionChange() {
    const LRESULT selected = ::SendMessageA(typeList_, CB_GETCURSEL, 0, 0);
    chosenType = selected == CB_ERR
                     ? 0
                     : static_cast<int>(::SendMessageA(typeList_, CB_GETITEMDATA, selected, 0));
    choice_.Select(chosenType);
    ApplyVisibility();
}

void ImportTypeDialog::ApplyVisibility() {
    ShowItem(IDC_SEARCH_COLUMNS, choice_.ShowsColumnSearchBox());
    ShowItem(IDC_DEFAULT_WAB, choice_.ShowsDefaultWabBox());
}

void ImportTypeDialog::OnOK() {
    chosenType = choice_.Result(IsChecked(IDC_SEARCH_COLUMNS), IsChecked(IDC_DEFAULT_WAB));
    End(chosenType);
}

void ImportTypeDialog::OnCancel() {
    chosenType = 0;
    End(0);
}

void ImportTypeDialog::OnHelp() {
    ShowHelpTopic(Window(), kImportTypeHelpTopic);
}
