#include "csv/win32/CsvDialogsWin32.h"

#include "csv/win32/CsvColumnDialog.h"
#include "csv/win32/CsvRecipientDialog.h"

bool CsvDialogsWin32::ChooseColumns(CsvColumnChoice& choice) {
    CsvColumnDialog dialog(choice);
    return dialog.Run(nullptr) == IDOK;
}

bool CsvDialogsWin32::PickRecipients(CsvRecipientPicker& picker) {
    CsvRecipientDialog dialog(picker);
    return dialog.Run(nullptr) == IDOK;
}
