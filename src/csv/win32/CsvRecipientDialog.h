// The CSV recipient picker: candidates on the left, the picked recipients on the right.
#pragma once

#include "csv/CsvRecipientPicker.h"
#include "ui/ModalDialog.h"
#include "ui/RecipientListBox.h"

class CsvRecipientDialog : public ModalDialog {
  public:
    explicit CsvRecipientDialog(CsvRecipientPicker& picker);

  protected:
    std::span<const Command> Commands() const override;
    bool OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    void FillSourceList();
    void OnSearchChange();
    void OnAdd();
    // Appends the last `added` picks to the picked list; false when it could not take them all,
    // the rest then unpicked.
    bool ShowNewPicks(int added);
    void OnDelete();
    void OnHelp();

    CsvRecipientPicker& picker_;
    HWND sourceList_ = nullptr;
    RecipientListBox pickedList_;
};
