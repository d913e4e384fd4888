#include "FaultSession.h"

#include "AllocationFaults.h"
#include "csv/CsvReader.h"
#include "platform/Files.h"
#include "session/ConfirmationView.h"
#include "session/ImportSession.h"

HostWindow WritingDesktop::ForegroundWindow() {
    faults::AllocationsPaused paused;
    return ScriptedDesktop::ForegroundWindow();
}

bool WritingDesktop::HasLimitChild(HostWindow host) {
    faults::AllocationsPaused paused;
    return ScriptedDesktop::HasLimitChild(host);
}

void WritingDesktop::EnableHost(HostWindow host, bool enable) {
    faults::AllocationsPaused paused;
    ScriptedDesktop::EnableHost(host, enable);
}

void WritingDesktop::BringToForeground(HostWindow host) {
    faults::AllocationsPaused paused;
    ScriptedDesktop::BringToForeground(host);
}

void WritingDesktop::PostCommand(HostWindow host, int commandId) {
    faults::AllocationsPaused paused;
    ScriptedDesktop::PostCommand(host, commandId);
}

void WritingDesktop::SetHelpFilePath(const std::string& path) {
    faults::AllocationsPaused paused;
    ScriptedDesktop::SetHelpFilePath(path);
}

void WritingDesktop::ShowMessage(HostWindow owner, const std::string& text, const char* caption,
                                 MessageIcon icon) {
    faults::AllocationsPaused paused;
    ScriptedDesktop::ShowMessage(owner, text, caption, icon);
}

int WritingDesktop::ChooseImportType(int optionFlags) {
    faults::AllocationsPaused paused;
    return ScriptedDesktop::ChooseImportType(optionFlags);
}

bool WritingDesktop::ChooseSourceFile(int importType, std::string& path) {
    faults::AllocationsPaused paused;
    return ScriptedDesktop::ChooseSourceFile(importType, path);
}

bool WritingDesktop::ConfirmImport(SessionLists& lists, const ImportStatistics& statistics,
                                   int importType) {
    // What the Windows dialog shows comes from the portable view, which takes memory.
    const ConfirmationView view = BuildConfirmationView(lists, statistics, importType);
    faults::AllocationsPaused paused;
    return ScriptedDesktop::ConfirmImport(lists, statistics, importType);
}

bool WritingDesktop::WriteResultFile(const std::string& path, const ExchangeFileBuffer& file) {
    {
        faults::AllocationsPaused paused;
        ScriptedDesktop::WriteResultFile(path, file);
    }
    const std::string& bytes = file.Bytes();
    if (!writeFault)
        return platform::ReplaceFileWith(path, bytes.data(), bytes.size());
    faults::FileFaultScope fault(*writeFault);
    const bool written = platform::ReplaceFileWith(path, bytes.data(), bytes.size());
    writeFaultHits = fault.Hits();
    return written;
}

template <typename Read> int ReaderSources::RunReader(Read read) {
    std::optional<faults::FileFaultScope> fileFault;
    if (readFault)
        fileFault.emplace(*readFault);
    int result = 0;
    if (failAllocationAt) {
        faults::AllocationCountdown countdown(*failAllocationAt);
        result = read();
        allocations = countdown.Allocations();
        allocationFailed = countdown.Injected();
    } else {
        result = read();
    }
    if (fileFault)
        readFaultHits = fileFault->Hits();
    readerResult = result;
    return result;
}

int ReaderSources::ReadCsvFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                               int importType, int optionFlags) {
    return RunReader(
        [&] { return ::ReadCsvFile(path, lists, excluded, importType, optionFlags, csvDialogs); });
}

int ReaderSources::ImportSpeedDialFile(const std::string& path, SessionLists& lists,
                                       int32_t& excluded, int optionFlags) {
    return RunReader(
        [&] { return speedDial.ImportSpeedDialFile(path, lists, excluded, optionFlags); });
}

std::string ImportArguments(const std::string& resultPath, int importType) {
    return resultPath + "||0|IMPORT_TYPE_" + std::to_string(importType);
}

int CompletionCommand(int importType) {
    return importType == kImportSpeedDial ? kSpeedDialCommand : kRecipientsCommand;
}
