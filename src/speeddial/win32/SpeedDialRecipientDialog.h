// The speed-dial picker: entries by speed-dial number on the left, the picked recipients on the
// right, and the details of one entry.
#pragma once

#include "speeddial/SpeedDialPicker.h"
#include "ui/ModalDialog.h"
#include "ui/RecipientListBox.h"

#include <string>
#include <vector>

class SpeedDialRecipientDialog : public ModalDialog, private SpeedDialPickerView {
  public:
    explicit SpeedDialRecipientDialog(SpeedDialPicker& picker);

  protected:
    std::span<const Command> Commands() const override;
    bool OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    void OnNumberChange();
    void OnAdd();
    void OnDelete();
    void OnViewDetails();
    void OnHelp();
    std::vector<int> SelectedSourceEntries() const;

    // What the picker shows through this dialog.
    void ShowWarning(const char* text) override;
    bool AskReplace(const std::string& question) override;
    void RemovePicked(int position) override;
    void AppendPicked(const std::string& text, int record) override;

    SpeedDialPicker& picker_;
    HWND sourceList_ = nullptr;
    RecipientListBox pickedList_;
};
