#include "session/win32/ProgressDialog.h"

#include "ResourceIds.h"

namespace {

INT_PTR CALLBACK NoticeProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

} // namespace

ProgressDialog::ProgressDialog()
    : window_(::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROGRESS),
                                   nullptr, &NoticeProc, 0)) {
    if (window_)
        ::UpdateWindow(window_);
}

ProgressDialog::~ProgressDialog() {
    if (window_)
        ::DestroyWindow(window_);
}
