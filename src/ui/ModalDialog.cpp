#include "ui/ModalDialog.h"

#include <utility>

namespace {

// Messages whose result a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}

} // namespace

INT_PTR ModalDialog::Run(HWND owner) {
    failure_ = nullptr;
    const INT_PTR result =
        ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                          &ModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
    return result;
}

bool ModalDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

void ModalDialog::ShowItem(int controlId, bool shown) {
    HWND item = Item(controlId);
    ::EnableWindow(item, shown);
    ::ShowWindow(item, shown ? SW_SHOW : SW_HIDE);
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<ModalDialog*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->window_ = window;
    }
    auto* dialog = reinterpret_cast<ModalDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (!dialog)
        return FALSE;
    try {
        return dialog->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Typically memory the dialog's model could not have: the dialog ends, and Run throws
        // the exception again once the system has returned.
        if (!dialog->failure_)
            dialog->failure_ = std::current_exception();
        ::EndDialog(window, -1);
        return TRUE;
    }
}

INT_PTR ModalDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInit() ? TRUE : FALSE;
    case WM_COMMAND: {
        const int controlId = LOWORD(wParam);
        const int notification = HIWORD(wParam);
        if (Dispatch(controlId, notification))
            return TRUE;
        if (controlId == IDOK && notification == BN_CLICKED) {
            OnOK();
            return TRUE;
        }
        if (controlId == IDCANCEL && notification == BN_CLICKED) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    default: {
        INT_PTR result = FALSE;
        if (!OnMessage(message, wParam, lParam, result))
            return FALSE;
        if (ReturnsResultDirectly(message))
            return result;
        ::SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    }
}

bool ModalDialog::Dispatch(int controlId, int notification) {
    for (const Command& command : Commands()) {
        if (command.controlId == controlId && command.notification == notification) {
            (this->*command.handler)();
            return true;
        }
    }
    return false;
}
