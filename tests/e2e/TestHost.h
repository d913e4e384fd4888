// The host fax application's stand-in for the e2e tests, and the tests' files.
#pragma once

#include "windriver/WindowDriver.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

using namespace windriver;

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
    // Asks `probe` each time the window is enabled, while the one who enabled it waits, and
    // keeps the answers in order.
    void ProbeWhenEnabled(std::function<bool()> probe) { probe_ = std::move(probe); }
    const std::vector<bool>& EnabledProbes() const { return enabledProbes_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
    std::vector<std::pair<WPARAM, LPARAM>> commands_;
    std::function<bool()> probe_;
    std::vector<bool> enabledProbes_;
};

// The importer under test, started with a command line.
class TestImporter : public Importer {
  public:
    explicit TestImporter(const std::string& arguments, const std::string& currentFolder = {})
        : Importer(ImporterPath(), arguments, currentFolder) {}
    static std::string ImporterPath();
};

// A fresh empty folder for one test's files (Windows path, without a final backslash).
std::string MakeTestFolder(const std::string& name);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Address books offered to the chooser or not: the "MAPIX" profile value and the library
// registry value.
void OfferAddressBooks(bool offered);

} // namespace e2e
