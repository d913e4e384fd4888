#include "speeddial/win32/SpeedDialDetailDialog.h"

#include "ResourceIds.h"

SpeedDialDetailDialog::SpeedDialDetailDialog(const SpeedDialDetail& detail)
    : ModalDialog(IDD_SPEED_DIAL_DETAIL), detail_(detail) {}

bool SpeedDialDetailDialog::OnInit() {
    SetItemText(IDC_DETAIL_NAME, detail_.name.c_str());
    SetItemText(IDC_DETAIL_FAX, detail_.faxNumber.c_str());
    SetItemText(IDC_DETAIL_MODE, detail_.mode.c_str());
    SetItemText(IDC_DETAIL_CONFIDENTIAL, detail_.confidential.c_str());
    SetItemText(IDC_DETAIL_RELAY, detail_.relay.c_str());
    SetItemText(IDC_DETAIL_FCODE, detail_.fcode.c_str());
    ::SetWindowTextA(Window(), detail_.title.c_str());
    ::SetForegroundWindow(Window());
    return true;
}
