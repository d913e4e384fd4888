// What the import session needs of the desktop and of the import sources. The Windows build
// implements these for real; the unit tests script them.
#pragma once

#include "session/SessionLists.h"

#include <string>

class ExchangeFileBuffer;

enum class MessageIcon { Error, Warning, Question };

// The host's window, or none.
using HostWindow = void*;

class Desktop {
  public:
    virtual ~Desktop() = default;

    // The window in the foreground at start, or none (the desktop itself counts as none).
    virtual HostWindow ForegroundWindow() = 0;
    virtual bool HasLimitChild(HostWindow host) = 0;
    virtual void EnableHost(HostWindow host, bool enable) = 0;
    virtual void BringToForeground(HostWindow host) = 0;
    virtual void PostCommand(HostWindow host, int commandId) = 0;

    // Where the help buttons find the help file.
    virtual void SetHelpFilePath(const std::string& path) = 0;
    // A message box with an OK button, owned by `owner`.
    virtual void ShowMessage(HostWindow owner, const std::string& text, const char* caption,
                             MessageIcon icon) = 0;
    // The import-type chooser: 1 to 6, 0 when cancelled, -1 when it cannot be shown.
    virtual int ChooseImportType(int optionFlags) = 0;
    // The file-open dialog for the import type; true with the chosen path.
    virtual bool ChooseSourceFile(int importType, std::string& path) = 0;
    // The confirmation dialog: true for OK. Cancel empties the selection.
    virtual bool ConfirmImport(SessionLists& lists, const ImportStatistics& statistics,
                               int importType) = 0;
    // Writes the file whole or not at all.
    virtual bool WriteResultFile(const std::string& path, const ExchangeFileBuffer& file) = 0;
};

// What OpenWab got to. A failure the source has already told the user of needs no other word.
enum class WabOpening { Opened, Failed, FailureShown };

// The import sources, reached only through their entry operations.
class ImportSources {
  public:
    virtual ~ImportSources() = default;

    virtual bool StartMapi() = 0;
    virtual void StopMapi() = 0;
    virtual WabOpening OpenWab(const std::string& path) = 0;
    virtual void ReleaseWab() = 0;
    // The provider's address dialog and the extraction of fax numbers from what was picked.
    virtual void PickAndImportAddresses(SessionLists& lists, ImportStatistics& statistics) = 0;

    // -7 to -1 failure codes, 0 nothing picked, else the number picked.
    virtual int ReadCsvFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                            int importType, int optionFlags) = 0;
    virtual int ImportSpeedDialFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                                    int optionFlags) = 0;
    // Appends the picked speed-dial records; may first ask the memo question. False when the
    // records cannot be written.
    virtual bool WriteSpeedDialRecords(SessionLists& lists, ExchangeFileBuffer& file) = 0;
    virtual void FreeSpeedDialTable() = 0;
};
