// The speed-dial import's dialogs and the memo question on the Windows desktop.
#pragma once

#include "speeddial/SpeedDialDialogs.h"
#include "speeddial/SpeedDialWriter.h"

#include <windows.h>

class ImportApp;

class SpeedDialDialogsWin32 : public SpeedDialDialogs {
  public:
    bool PickRecipients(SpeedDialPicker& picker) override;
};

class SpeedDialMemoQuestionWin32 : public SpeedDialMemoQuestion {
  public:
    explicit SpeedDialMemoQuestionWin32(const ImportApp& app) : app_(app) {}
    bool HostHasLimitChild() override;
    bool AskKeepNumbersAsMemo() override;

  private:
    const ImportApp& app_;
};
