// Drives the real importer under Wine: a test host window that starts it, finds its windows,
// reads and operates their controls, and records the command the host receives.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
inline constexpr auto kWindowTimeout = 15s;

// Processes the test thread's messages (the host window lives on it) for a while.
void PumpMessages(std::chrono::milliseconds duration);

// The host fax application's stand-in: a top-level window, optionally with the child 1008.
class TestHost {
public:
    explicit TestHost(bool withLimitChild = false);
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    HWND Window() const { return window_; }
    bool Enabled() const { return ::IsWindowEnabled(window_) != FALSE; }
    // Commands received through WM_COMMAND: (wParam, lParam).
    const std::vector<std::pair<WPARAM, LPARAM>>& Commands() const { return commands_; }
    // Destroys the window, so the importer starts with no foreground window.
    void Destroy();

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
    std::vector<std::pair<WPARAM, LPARAM>> commands_;
};

// The importer process started with a command line.
class Importer {
public:
    explicit Importer(const std::string& arguments);
    ~Importer();
    Importer(const Importer&) = delete;
    Importer& operator=(const Importer&) = delete;

    DWORD ProcessId() const { return processId_; }
    // Waits (pumping messages) until the process ends; false on time-out.
    bool WaitForExit(std::chrono::milliseconds timeout = kWindowTimeout);
    bool Running() const;

    // A visible top-level window of the importer with this caption (Big5), waited for.
    HWND WaitForWindow(const std::string& caption,
                       std::chrono::milliseconds timeout = kWindowTimeout) const;
    // The importer's visible top-level windows' captions, for failure messages.
    std::vector<std::string> WindowCaptions() const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// The path of the importer executable under test.
std::string ImporterPath();
// A fresh empty folder for one test's files (Windows path, ending without a backslash).
std::string MakeTestFolder(const std::string& name);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Control access across processes.
std::string ToAnsi(const std::wstring& text);
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int controlId);
bool ItemVisible(HWND dialog, int controlId);
bool ItemChecked(HWND dialog, int controlId);
std::vector<std::string> ListBoxItems(HWND dialog, int controlId);
std::vector<std::string> ComboBoxItems(HWND dialog, int controlId);
int ComboBoxSelection(HWND dialog, int controlId);

void Click(HWND dialog, int controlId);
void SelectComboItem(HWND dialog, int controlId, int index);
void SetCheck(HWND dialog, int controlId, bool checked);
void PressKey(HWND window, UINT virtualKey);
void CloseWithCloseBox(HWND window);

// A message box: its text, caption and icon.
struct MessageBoxContents {
    std::string text;
    std::string caption;
    std::string icon; // "error", "warning", "question", "information" or "none"
};
MessageBoxContents ReadMessageBox(HWND box);
// Waits for a message box (any caption) of the importer, reads it and presses its button.
std::optional<MessageBoxContents> AnswerMessageBox(const Importer& importer, int button = IDOK);

// Types a path into the file-open dialog and confirms it.
void ChooseFile(HWND fileDialog, const std::string& path);

} // namespace e2e
