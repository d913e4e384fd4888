#include "session/win32/ImportSourcesWin32.h"

#include "csv/CsvReader.h"
#include "csv/win32/CsvDialogsWin32.h"
#include "session/win32/ImportApp.h"

// The address-book and speed-dial readers are not part of this build yet: each of them
// imports nothing, which the session reports as "no accounts imported".

bool ImportSourcesWin32::StartMapi() {
    return true;
}

void ImportSourcesWin32::StopMapi() {}

bool ImportSourcesWin32::OpenWab(const std::string&) {
    return true;
}

void ImportSourcesWin32::ReleaseWab() {}

void ImportSourcesWin32::PickAndImportAddresses(SessionLists&, ImportStatistics&) {}

int ImportSourcesWin32::ReadCsvFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                                    int importType, int optionFlags) {
    CsvDialogsWin32 dialogs;
    return ::ReadCsvFile(path, lists, excluded, importType, optionFlags, dialogs);
}

int ImportSourcesWin32::ImportSpeedDialFile(const std::string&, SessionLists&, int32_t&, int) {
    return 0;
}

bool ImportSourcesWin32::WriteSpeedDialRecords(SessionLists&, ExchangeFileBuffer&) {
    return false;
}

void ImportSourcesWin32::FreeSpeedDialTable() {}
