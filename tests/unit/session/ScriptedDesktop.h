// Test doubles for the desktop and the import sources: they record every call and answer as
// the test scripted them.
#pragma once

#include "session/Desktop.h"
#include "session/ExchangeFile.h"

#include <functional>
#include <string>
#include <vector>

struct ShownMessage {
    HostWindow owner;
    std::string text;
    std::string caption;
    MessageIcon icon;
};

class ScriptedDesktop : public Desktop {
  public:
    // Script
    HostWindow foreground = reinterpret_cast<HostWindow>(0x1234);
    bool limitChild = false;
    int chooserResult = 0;
    bool fileChosen = true;
    std::string chosenPath = "C:\\data\\book.csv";
    bool confirm = true;
    bool writeSucceeds = true;

    // Record
    std::vector<std::string> calls;
    std::vector<ShownMessage> messages;
    std::vector<int> postedCommands;
    int chooserOptionFlags = -1;
    std::vector<int> fileChooserTypes;
    std::string writtenPath;
    std::string writtenBytes;
    bool hostEnabled = true;
    std::string helpFilePath;

    HostWindow ForegroundWindow() override { return foreground; }
    bool HasLimitChild(HostWindow) override { return limitChild; }
    void EnableHost(HostWindow, bool enable) override {
        hostEnabled = enable;
        calls.push_back(enable ? "enable" : "disable");
    }
    void SetHelpFilePath(const std::string& path) override { helpFilePath = path; }
    void BringToForeground(HostWindow) override { calls.push_back("foreground"); }
    void PostCommand(HostWindow, int commandId) override { postedCommands.push_back(commandId); }
    void ShowMessage(HostWindow owner, const std::string& text, const char* caption,
                     MessageIcon icon) override {
        messages.push_back({owner, text, caption, icon});
    }
    int ChooseImportType(int optionFlags) override {
        chooserOptionFlags = optionFlags;
        return chooserResult;
    }
    bool ChooseSourceFile(int importType, std::string& path) override {
        fileChooserTypes.push_back(importType);
        if (fileChosen)
            path = chosenPath;
        return fileChosen;
    }
    bool ConfirmImport(SessionLists& lists, const ImportStatistics& statistics,
                       int importType) override {
        calls.push_back("confirm");
        confirmedStatistics = statistics;
        confirmedType = importType;
        confirmedLimit = lists.limit;
        if (!confirm) {
            lists.count = 0;
            lists.recipients.Clear();
        }
        return confirm;
    }
    bool WriteResultFile(const std::string& path, const ExchangeFileBuffer& file) override {
        writtenPath = path;
        writtenBytes = file.Bytes();
        return writeSucceeds;
    }

    ImportStatistics confirmedStatistics;
    int confirmedType = 0;
    int confirmedLimit = -1;
};

class ScriptedSources : public ImportSources {
  public:
    // Script: what a file source does with the lists; returns its result.
    std::function<int(SessionLists&, int32_t&)> fileSource = [](SessionLists&, int32_t&) {
        return 0;
    };
    std::function<void(SessionLists&, ImportStatistics&)> addressSource = [](SessionLists&,
                                                                             ImportStatistics&) {};
    bool mapiStarts = true;
    bool wabOpens = true;
    bool wabFailureShown = false; // by the source itself, when it does not open
    bool speedDialWriteSucceeds = true;

    // Record
    std::vector<std::string> calls;
    std::string sourcePath;
    int csvImportType = 0;
    int sourceOptionFlags = -1;

    bool StartMapi() override {
        calls.push_back("StartMapi");
        return mapiStarts;
    }
    void StopMapi() override { calls.push_back("StopMapi"); }
    WabOpening OpenWab(const std::string& path) override {
        calls.push_back("OpenWab");
        sourcePath = path;
        if (wabOpens)
            return WabOpening::Opened;
        return wabFailureShown ? WabOpening::FailureShown : WabOpening::Failed;
    }
    void ReleaseWab() override { calls.push_back("ReleaseWab"); }
    void PickAndImportAddresses(SessionLists& lists, ImportStatistics& statistics) override {
        calls.push_back("PickAndImportAddresses");
        addressSource(lists, statistics);
    }
    int ReadCsvFile(const std::string& path, SessionLists& lists, int32_t& excluded, int importType,
                    int optionFlags) override {
        calls.push_back("ReadCsvFile");
        sourcePath = path;
        csvImportType = importType;
        sourceOptionFlags = optionFlags;
        return fileSource(lists, excluded);
    }
    int ImportSpeedDialFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                            int optionFlags) override {
        calls.push_back("ImportSpeedDialFile");
        sourcePath = path;
        sourceOptionFlags = optionFlags;
        return fileSource(lists, excluded);
    }
    bool WriteSpeedDialRecords(SessionLists& lists, ExchangeFileBuffer& file) override {
        calls.push_back("WriteSpeedDialRecords");
        for (int i = 0; i < lists.count; ++i)
            file.Append(std::string(236, static_cast<char>('a' + i)).data(), 236);
        return speedDialWriteSucceeds;
    }
    void FreeSpeedDialTable() override { calls.push_back("FreeSpeedDialTable"); }
};

// A file source that picks the given "name [fax]" entries and leaves out `excluded` lines.
inline std::function<int(SessionLists&, int32_t&)> Picks(std::vector<std::string> entries,
                                                         int32_t excludedLines = 0) {
    return [entries, excludedLines](SessionLists& lists, int32_t& excluded) {
        for (const auto& entry : entries)
            lists.recipients.Append(entry);
        lists.count = static_cast<int32_t>(entries.size());
        excluded = excludedLines;
        return lists.count;
    };
}
