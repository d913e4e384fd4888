// A user who takes the columns given, picks every entry and presses OK, in doubles of the CSV
// and speed-dial dialogs that ask of the pickers what the real dialogs ask. Their own records
// are kept outside any armed allocation countdown, so only the product's allocations count.
// After a picker warning the user gives up and cancels.
#pragma once

#include "csv/CsvDialogs.h"
#include "speeddial/SpeedDialDialogs.h"
#include "speeddial/SpeedDialWriter.h"

#include <string>
#include <vector>

class PickingCsvDialogs : public CsvDialogs {
  public:
    // The columns the user assigns in the column dialog (import type 4).
    int nameColumn = -1;
    int faxColumn = 0;

    std::vector<std::string> warnings; // shown by the picker
    int pickedEntries = 0;             // in the picked list when the user pressed OK

    bool ChooseColumns(CsvColumnChoice& choice) override;
    bool PickRecipients(CsvRecipientPicker& picker) override;
};

class PickingSpeedDialDialogs : public SpeedDialDialogs, public SpeedDialPickerView {
  public:
    std::vector<std::string> warnings;
    std::vector<std::string> pickedTexts; // the picked list box's entries

    bool PickRecipients(SpeedDialPicker& picker) override;

    void ShowWarning(const char* text) override;
    bool AskReplace(const std::string& question) override; // Yes
    void RemovePicked(int position) override;
    bool AppendPicked(const std::string& text, int record) override;
};

// Keeps the speed-dial numbers as memo data.
class KeepNumbersMemo : public SpeedDialMemoQuestion {
  public:
    bool HostHasLimitChild() override { return false; }
    bool AskKeepNumbersAsMemo() override { return true; }
};
