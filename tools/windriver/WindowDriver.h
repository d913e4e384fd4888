// Drives the real importer from another process: starts it, finds its windows, reads and
// operates their controls. Used by the e2e tests and the scripted demo.
#pragma once

#include <windows.h>

#include <chrono>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace windriver {

using namespace std::chrono_literals;
inline constexpr auto kWindowTimeout = 15s;

// Processes the test thread's messages (the host window lives on it) for a while.
void PumpMessages(std::chrono::milliseconds duration);

// The importer process started with a command line.
class Importer {
  public:
    // Starts in `currentFolder`, or in this process's current folder when it is empty.
    Importer(const std::string& importerPath, const std::string& arguments,
             const std::string& currentFolder = {});
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

// A path with forward slashes as Windows writes it.
std::string ToWindowsPath(std::string path);

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
// Selects exactly these entries of a multiple-selection list box.
void SelectListItems(HWND dialog, int controlId, std::initializer_list<int> entries);
void SetCheck(HWND dialog, int controlId, bool checked);
void PressKey(HWND window, UINT virtualKey);
void CloseWithCloseBox(HWND window);

// A message box: its text, caption, icon and owner window.
struct MessageBoxContents {
    std::string text;
    std::string caption;
    std::string icon; // "error", "warning", "question", "information" or "none"
    HWND owner = nullptr;
};
MessageBoxContents ReadMessageBox(HWND box);
bool IsMessageBox(HWND window);

// Saves a screen area as a BMP file.
bool SaveScreenArea(const RECT& area, const std::string& path);
RECT ScreenArea();
// Lets the window paint, then saves a picture of it as a BMP file.
bool SaveWindowPicture(HWND window, const std::string& path);
// With E2E_SHOTS naming a folder: saves a picture of the window there, one per dialog and one
// per message wording, for the documentation.
void CaptureForDocs(HWND window);
// Waits for a message box (any caption) of the importer, reads it and presses its button.
std::optional<MessageBoxContents> AnswerMessageBox(const Importer& importer, int button = IDOK);

// Types a path into the file-open dialog and confirms it.
void ChooseFile(HWND fileDialog, const std::string& path);

} // namespace windriver
