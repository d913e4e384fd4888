// The CSV import's dialogs on the Windows desktop.
#pragma once

#include "csv/CsvDialogs.h"

class CsvDialogsWin32 : public CsvDialogs {
  public:
    bool ChooseColumns(CsvColumnChoice& choice) override;
    bool PickRecipients(CsvRecipientPicker& picker) override;
};
