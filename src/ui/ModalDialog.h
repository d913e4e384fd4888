// A small modal-dialog base over DialogBoxParamA: a per-class command table, virtual
// initialisation, OK and Cancel.
#pragma once

#include <exception>
#include <span>
#include <windows.h>

class ModalDialog {
  public:
    explicit ModalDialog(int templateId) : templateId_(templateId) {}
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Runs the dialog; returns the value it ended with, or -1 when it could not be shown. An
    // exception of a handler ends the dialog and is thrown again from here, so that it never
    // crosses the system's frames.
    INT_PTR Run(HWND owner);

  protected:
    using Handler = void (ModalDialog::*)();
    struct Command {
        int controlId;
        int notification;
        Handler handler;
    };
    // Builds a table entry from a handler of the derived class.
    template <class Dialog>
    static Command On(int controlId, int notification, void (Dialog::*handler)()) {
        return {controlId, notification, static_cast<Handler>(handler)};
    }

    // The class's command table.
    virtual std::span<const Command> Commands() const { return {}; }
    // Returns true to let the system put the focus on the first control.
    virtual bool OnInit() { return true; }
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Messages other than WM_INITDIALOG and WM_COMMAND; returns true when handled, with the
    // dialog procedure's result in `result`.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    void End(INT_PTR result) { ::EndDialog(window_, result); }
    HWND Window() const { return window_; }
    HWND Item(int controlId) const { return ::GetDlgItem(window_, controlId); }
    void SetItemText(int controlId, const char* text) {
        ::SetDlgItemTextA(window_, controlId, text);
    }
    bool IsChecked(int controlId) const {
        return ::IsDlgButtonChecked(window_, controlId) == BST_CHECKED;
    }
    void SetChecked(int controlId, bool checked) {
        ::CheckDlgButton(window_, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    void ShowItem(int controlId, bool shown);

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Dispatch(int controlId, int notification);

    int templateId_;
    HWND window_ = nullptr;
    std::exception_ptr failure_; // a handler's exception, until Run throws it again
};
