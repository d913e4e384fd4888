// The application object: runs one import session in its start-up routine and shows the
// session's windows on the Windows desktop.
#pragma once

#include "session/Desktop.h"

#include <windows.h>

class ImportApp : public Desktop {
  public:
    // Runs the whole session; returns false, so the process ends without a message loop.
    bool InitInstance(const char* commandLine);

    HostWindow ForegroundWindow() override;
    bool HasLimitChild(HostWindow host) override;
    void EnableHost(HostWindow host, bool enable) override;
    void BringToForeground(HostWindow host) override;
    void PostCommand(HostWindow host, int commandId) override;
    void SetHelpFilePath(const std::string& path) override;
    void ShowMessage(HostWindow owner, const std::string& text, const char* caption,
                     MessageIcon icon) override;
    int ChooseImportType(int optionFlags) override;
    bool ChooseSourceFile(int importType, std::string& path) override;
    bool ConfirmImport(SessionLists& lists, const ImportStatistics& statistics,
                       int importType) override;
    bool WriteResultFile(const std::string& path, const ExchangeFileBuffer& file) override;

    // The host window while the session holds it disabled, else null.
    HWND DisabledHost() const { return disabledHost_; }
    // Wine enables a disabled owner again when a message box it owns closes; the host must stay
    // disabled until the hand-back.
    void KeepHostDisabled() const;

  private:
    HWND disabledHost_ = nullptr;
};

// Shows a message box and keeps the session's host disabled afterwards. Returns the button.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);
