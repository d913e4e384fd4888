// The demo host's window: a phone book that plays the fax application. It starts the importer
// with the settings the user chose, stays disabled while it runs, and reads the result file
// when the completion command arrives.
#pragma once

#include "PhoneBook.h"

#include <functional>
#include <string>
#include <windows.h>

struct ImportSettings {
    bool limitChild = false;      // the child 1008: at most 200 recipients
    bool singleRecipient = false; // option 2
    int importType = 0;           // 0: the importer asks
};

class DemoWindow {
  public:
    DemoWindow(std::string importerPath, std::string resultPath);
    ~DemoWindow();
    DemoWindow(const DemoWindow&) = delete;
    DemoWindow& operator=(const DemoWindow&) = delete;

    HWND Handle() const { return window_; }
    void Apply(const ImportSettings& settings);
    void SetResultPath(std::string path) { resultPath_ = std::move(path); }
    // Starts the importer; returns its process handle (the caller closes it), or null.
    HANDLE StartImport();
    const PhoneBook& Book() const { return book_; }
    int LastCommand() const { return lastCommand_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void SetLimitChild(bool present);
    ImportSettings ReadSettings() const;
    void OnImportFinished(int command);
    void ShowBook();

    std::string importerPath_;
    std::string resultPath_;
    HWND window_ = nullptr;
    HWND limitChild_ = nullptr;
    HFONT font_ = nullptr;
    PhoneBook book_;
    int lastCommand_ = 0;
};
