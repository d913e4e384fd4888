#include "session/win32/ImportApp.h"

#include "ResourceIds.h"
#include "platform/Files.h"
#include "platform/MemoryShortage.h"
#include "session/ExchangeFile.h"
#include "session/ImportSession.h"
#include "session/win32/HelpTopic.h"
#include "session/win32/ImportConfirmDialog.h"
#include "session/win32/ImportSourcesWin32.h"
#include "session/win32/ImportTypeDialog.h"
#include "session/win32/SourceFileChooser.h"

#include <vector>

namespace {

ImportApp* runningApp = nullptr;

HWND AsWindow(HostWindow host) {
    return static_cast<HWND>(host);
}

std::string ProgramPath() {
    std::vector<char> path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

} // namespace

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
    const int button = ::MessageBoxA(owner, text, caption, style);
    if (runningApp)
        runningApp->KeepHostDisabled();
    return button;
}

bool ImportApp::InitInstance(const char* commandLine) {
    runningApp = this;
    ImportSourcesWin32 sources(*this);
    // Without memory for the program's path the help file is not found; the import still runs.
    std::string programPath;
    CompletedWithMemory([&] { programPath = ProgramPath(); });
    RunImportSession(commandLine ? commandLine : "", programPath, *this, sources);
    runningApp = nullptr;
    return false;
}

void ImportApp::KeepHostDisabled() const {
    if (disabledHost_)
        ::EnableWindow(disabledHost_, FALSE);
}

HostWindow ImportApp::ForegroundWindow() {
    HWND window = ::GetForegroundWindow();
    // With no active window Wine reports the desktop: that is no host.
    return window == ::GetDesktopWindow() ? nullptr : window;
}

bool ImportApp::HasLimitChild(HostWindow host) {
    return ::GetDlgItem(AsWindow(host), IDC_HOST_LIMIT_CHILD) != nullptr;
}

void ImportApp::EnableHost(HostWindow host, bool enable) {
    ::EnableWindow(AsWindow(host), enable ? TRUE : FALSE);
    disabledHost_ = enable ? nullptr : AsWindow(host);
}

void ImportApp::BringToForeground(HostWindow host) {
    ::SetForegroundWindow(AsWindow(host));
}

void ImportApp::PostCommand(HostWindow host, int commandId) {
    ::PostMessageA(AsWindow(host), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void ImportApp::SetHelpFilePath(const std::string& path) {
    ::SetHelpFilePath(path);
}

void ImportApp::ShowMessage(HostWindow owner, const std::string& text, const char* caption,
                            MessageIcon icon) {
    const UINT iconStyle = icon == MessageIcon::Error     ? MB_ICONERROR
                           : icon == MessageIcon::Warning ? MB_ICONWARNING
                                                          : MB_ICONQUESTION;
    ShowMessageBox(AsWindow(owner), text.c_str(), caption, MB_OK | iconStyle);
}

int ImportApp::ChooseImportType(int optionFlags) {
    ImportTypeDialog dialog(DetectImportTypeAvailability(optionFlags));
    return static_cast<int>(dialog.Run(nullptr));
}

bool ImportApp::ChooseSourceFile(int importType, std::string& path) {
    return ::ChooseSourceFile(importType, path);
}

bool ImportApp::ConfirmImport(SessionLists& lists, const ImportStatistics& statistics,
                              int importType) {
    ImportConfirmDialog dialog(lists, statistics, importType);
    return dialog.Run(nullptr) == IDOK;
}

bool ImportApp::WriteResultFile(const std::string& path, const ExchangeFileBuffer& file) {
    return platform::ReplaceFileWith(path, file.Bytes().data(), file.Bytes().size());
}
