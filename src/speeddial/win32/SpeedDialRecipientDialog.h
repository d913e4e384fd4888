// The speed-dial picker: entries by speed-dial number on the left, the picked recipients on the
// right, and the details of one entry.
#pragma once

#include "speeddial/SpeedDialPicker.h"
#include "ui/ListBoxEntries.h"
#include "ui/ModalDialog.h"
#include "ui/RecipientListBox.h"

#include <optional>
#include <span>
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
    // The selected source entries, in the list's order, as the picker's positions.
    void ReadSelection(std::span<int> room) const;
    std::vector<int> SelectedSourceEntries() const;
    // A message box of the picker; returns the button.
    int Ask(const char* text, UINT style);

    // What the picker shows through this dialog.
    void ShowWarning(const char* text) override;
    bool AskReplace(const std::string& question) override;
    void RemovePicked(int position) override;
    bool AppendPicked(const std::string& text, int record) override;

    SpeedDialPicker& picker_;
    HWND sourceList_ = nullptr;
    RecipientListBox pickedList_;
    std::optional<ui::RedrawPaused> addingQuietly_; // the picked list while entries are added
};
