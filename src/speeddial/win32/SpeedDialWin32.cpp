#include "speeddial/win32/SpeedDialWin32.h"

#include "ResourceIds.h"
#include "session/win32/ImportApp.h"
#include "speeddial/win32/SpeedDialRecipientDialog.h"
#include "text/FixedTexts.h"

bool SpeedDialDialogsWin32::PickRecipients(SpeedDialPicker& picker) {
    SpeedDialRecipientDialog dialog(picker);
    return dialog.Run(nullptr) == IDOK;
}

bool SpeedDialMemoQuestionWin32::HostHasLimitChild() {
    HWND host = app_.DisabledHost();
    return host && ::GetDlgItem(host, IDC_HOST_LIMIT_CHILD) != nullptr;
}

bool SpeedDialMemoQuestionWin32::AskKeepNumbersAsMemo() {
    return ShowMessageBox(app_.DisabledHost(), texts::kMemoQuestion, texts::kSpeedDialImportCaption,
                          MB_YESNO | MB_ICONQUESTION) == IDYES;
}
