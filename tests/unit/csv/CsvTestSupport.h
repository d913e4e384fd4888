// Temporary files, the examples' bytes and a scripted double of the CSV dialogs for the reader's
// tests.
#pragma once

#include "csv/CsvDialogs.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // Writes `bytes` to a file of that name in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

class ScriptedCsvDialogs : public CsvDialogs {
  public:
    // Script: what the user does in each dialog; the result is OK (true) or Cancel.
    std::function<bool(CsvColumnChoice&)> columns = [](CsvColumnChoice&) { return false; };
    std::function<bool(CsvRecipientPicker&)> picker = [](CsvRecipientPicker&) { return false; };

    // Record
    int columnDialogRuns = 0;
    int pickerRuns = 0;
    std::vector<std::string> headerFields;  // as the column list shows them
    std::vector<std::string> sourceEntries; // as the picker's source list shows them

    bool ChooseColumns(CsvColumnChoice& choice) override;
    bool PickRecipients(CsvRecipientPicker& recipients) override;
};

// The bytes of a file in examples/.
std::string ExampleBytes(const std::string& name);

// The Big5 bytes of a UTF-8 text, so that tests can be written readably.
std::string Big5(const std::string& utf8);

// Picker scripts: select the given source entries (or all), add them, press OK.
std::function<bool(CsvRecipientPicker&)> PickEntries(std::vector<int> entries);
std::function<bool(CsvRecipientPicker&)> PickAll();
// Column script: assign the name (or -1 for none) and the fax column, press OK.
std::function<bool(CsvColumnChoice&)> ChooseColumns(int nameColumn, int faxColumn);
