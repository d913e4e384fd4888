// The read-only details of one speed-dial entry.
#pragma once

#include "speeddial/SpeedDialDetail.h"
#include "ui/ModalDialog.h"

class SpeedDialDetailDialog : public ModalDialog {
  public:
    explicit SpeedDialDetailDialog(const SpeedDialDetail& detail);

  protected:
    bool OnInit() override;
    void OnCancel() override { End(IDOK); }

  private:
    const SpeedDialDetail& detail_;
};
