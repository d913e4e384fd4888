// The demo without a person: imports the bundled phone books through the importer's windows,
// saving a screenshot of every window it passes and printing the recipients received.
#pragma once

#include "DemoWindow.h"

#include <string>

struct ScriptedImport {
    const char* title;
    ImportSettings settings;
    std::string sourceFile; // Windows path of the file to import
};

class ScriptedDemo {
  public:
    ScriptedDemo(DemoWindow& host, std::string importerPath, std::string shotFolder);
    // Runs one import to its end; false when it did not finish.
    bool Run(const ScriptedImport& import);

  private:
    void Shot(const std::string& name);
    bool HandleWindow(HWND window, const ScriptedImport& import);
    // A visible window of the importer with this control, waited for.
    HWND WaitForWindowWith(int controlId);
    void PrintBook(const char* title) const;

    DemoWindow& host_;
    std::string importerPath_;
    std::string shotFolder_;
    int shotNumber_ = 0;
    DWORD processId_ = 0;
};
