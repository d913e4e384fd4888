// What the e2e tests of file imports share: a folder of the test's own, the host, the importer
// started on a source file chosen in its file dialog, and the checks of its messages and of the
// hand-back.
#pragma once

#include "TestHost.h"

#include <optional>
#include <string>

namespace e2e {

class FileImportRun {
  protected:
    // `sourceName` names the source file in the test's folder; `handBackCommand` is the command
    // the host must get at the end.
    FileImportRun(const std::string& sourceName, WPARAM handBackCommand, bool hostHasLimit);

    // The command line of an import of `importType` into the result file.
    std::string Arguments(int importType, int option = 0) const;
    // Writes `bytes` to the source file, starts the importer with `arguments` and chooses the
    // source file in the file dialog titled `fileDialogTitle`.
    void StartWith(const std::string& bytes, const std::string& arguments,
                   const char* fileDialogTitle);
    // Presses the picker's add button and lets it add.
    void Add(HWND picker);
    // Waits for the message box captioned `caption`, checks its text and icon and answers it.
    void ExpectMessage(const std::string& text, const char* caption, const char* icon,
                       int button = IDOK);
    // The importer ended after its last window; the host got its command only and is enabled.
    void ExpectHandBack();

    TestHost host;
    std::string folder;
    std::string resultPath;
    std::string sourcePath;
    std::optional<TestImporter> importer;

  private:
    WPARAM handBackCommand_;
};

// `format` with `path` in place of its "%s".
std::string WithPath(const char* format, const std::string& path);

} // namespace e2e
