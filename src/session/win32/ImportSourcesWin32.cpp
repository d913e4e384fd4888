#include "session/win32/ImportSourcesWin32.h"

#include "session/win32/ImportApp.h"

// The address-book and file readers are not part of this build yet: each of them imports
// nothing, which the session reports as "no accounts imported".

bool ImportSourcesWin32::StartMapi() {
    return true;
}

void ImportSourcesWin32::StopMapi() {}

bool ImportSourcesWin32::OpenWab(const std::string&) {
    return true;
}

void ImportSourcesWin32::ReleaseWab() {}

void ImportSourcesWin32::PickAndImportAddresses(SessionLists&, ImportStatistics&) {}

int ImportSourcesWin32::ReadCsvFile(const std::string&, SessionLists&, int32_t&, int) {
    return 0;
}

int ImportSourcesWin32::ImportSpeedDialFile(const std::string&, SessionLists&, int32_t&) {
    return 0;
}

bool ImportSourcesWin32::WriteSpeedDialRecords(SessionLists&, ExchangeFileBuffer&) {
    return false;
}

void ImportSourcesWin32::FreeSpeedDialTable() {}
