// The column selection dialog of a CSV import with columns chosen by hand.
#pragma once

#include "csv/CsvColumnChoice.h"
#include "ui/ModalDialog.h"

class CsvColumnDialog : public ModalDialog {
  public:
    explicit CsvColumnDialog(CsvColumnChoice& choice);

  protected:
    std::span<const Command> Commands() const override;
    bool OnInit() override;
    void OnOK() override;

  private:
    void OnNameButton();
    void OnFaxButton();
    int Selection() const;
    void ShowChoice();

    CsvColumnChoice& choice_;
};
