// The confirmation dialog: the recipients to import and the session's statistics.
#pragma once

#include "session/SessionLists.h"
#include "ui/ModalDialog.h"

class ImportConfirmDialog : public ModalDialog {
  public:
    ImportConfirmDialog(SessionLists& lists, const ImportStatistics& statistics, int importType);

  protected:
    bool OnInit() override;
    void OnCancel() override;

  private:
    SessionLists& lists_;
    ImportStatistics statistics_;
    int importType_;
};
