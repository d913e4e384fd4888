// The import-type chooser: a drop-down list of data types with two refining check boxes.
#pragma once

#include "session/ImportTypeChoice.h"
#include "ui/ModalDialog.h"

class ImportTypeDialog : public ModalDialog {
  public:
    explicit ImportTypeDialog(const ImportTypeAvailability& availability);

    // The chosen import type (also the value the dialog ends with); 0 when cancelled.
    int chosenType = 0;

  protected:
    std::span<const Command> Commands() const override;
    bool OnInit() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    void OnSelectionChange();
    void OnHelp();
    void ApplyVisibility();

    ImportTypeAvailability availability_;
    ImportTypeChoice choice_;
    HWND typeList_ = nullptr;
};

// What decides the chooser's entries on this machine: the "MAPIX" profile value and whether the
// address-book library loads.
ImportTypeAvailability DetectImportTypeAvailability(int optionFlags);
