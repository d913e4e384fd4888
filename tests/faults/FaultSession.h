// The import session over the real file readers and the real result-file write, with the
// faults a test arms around each: the readers run under an allocation countdown or with file
// faults armed, the write with file faults armed.
#pragma once

#include "PickingUser.h"
#include "SystemCallFaults.h"
#include "session/ScriptedDesktop.h"
#include "speeddial/SpeedDialSource.h"

#include <cstddef>
#include <optional>
#include <string>

// A desktop whose result file is written as the Windows program writes it, through
// platform::ReplaceFileWith. What it records is kept outside any allocation countdown, as the
// Windows desktop's message boxes and window calls take no memory of the program's.
class WritingDesktop : public ScriptedDesktop {
  public:
    std::optional<faults::FileFault> writeFault;
    int writeFaultHits = 0;

    HostWindow ForegroundWindow() override;
    bool HasLimitChild(HostWindow host) override;
    void EnableHost(HostWindow host, bool enable) override;
    void BringToForeground(HostWindow host) override;
    void PostCommand(HostWindow host, int commandId) override;
    void SetHelpFilePath(const std::string& path) override;
    void ShowMessage(HostWindow owner, const std::string& text, const char* caption,
                     MessageIcon icon) override;
    int ChooseImportType(int optionFlags) override;
    bool ChooseSourceFile(int importType, std::string& path) override;
    bool ConfirmImport(SessionLists& lists, const ImportStatistics& statistics,
                       int importType) override;
    bool WriteResultFile(const std::string& path, const ExchangeFileBuffer& file) override;
};

// The CSV and speed-dial sources as the Windows program has them, over the picking user;
// the address books import nothing.
class ReaderSources : public ImportSources {
  public:
    // Script: the allocation of the reader's call to fail (0 counts only), and file faults.
    std::optional<std::size_t> failAllocationAt;
    std::optional<faults::FileFault> readFault;

    // Record
    std::optional<int> readerResult;
    std::size_t allocations = 0;
    bool allocationFailed = false;
    int readFaultHits = 0;

    PickingCsvDialogs csvDialogs;
    PickingSpeedDialDialogs speedDialDialogs;
    KeepNumbersMemo memo;
    SpeedDialSource speedDial{speedDialDialogs, memo};

    bool StartMapi() override { return false; }
    void StopMapi() override {}
    WabOpening OpenWab(const std::string&) override { return WabOpening::Failed; }
    void ReleaseWab() override {}
    void PickAndImportAddresses(SessionLists&, ImportStatistics&) override {}
    int ReadCsvFile(const std::string& path, SessionLists& lists, int32_t& excluded, int importType,
                    int optionFlags) override;
    int ImportSpeedDialFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                            int optionFlags) override;
    bool WriteSpeedDialRecords(SessionLists& lists, ExchangeFileBuffer& file) override {
        return speedDial.WriteSpeedDialRecords(lists, file);
    }
    void FreeSpeedDialTable() override { speedDial.FreeSpeedDialTable(); }

  private:
    template <typename Read> int RunReader(Read read);
};

// The command line that starts an import of this type into `resultPath`.
std::string ImportArguments(const std::string& resultPath, int importType);
// The command the host receives at the end of an import of this type.
int CompletionCommand(int importType);

inline constexpr char kProgramPath[] = "C:\\Program Files\\Fax\\importer.exe";
