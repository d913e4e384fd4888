#include "session/win32/ImportSourcesWin32.h"

#include "addressbook/win32/AddressImport.h"
#include "csv/CsvReader.h"
#include "csv/win32/CsvDialogsWin32.h"
#include "session/win32/ImportApp.h"

bool ImportSourcesWin32::StartMapi() {
    return addressBooks_.StartMapi(app_.DisabledHost());
}

void ImportSourcesWin32::StopMapi() {
    addressBooks_.StopMapi(app_.DisabledHost());
}

WabOpening ImportSourcesWin32::OpenWab(const std::string& path) {
    return addressBooks_.OpenWab(path, app_.DisabledHost());
}

void ImportSourcesWin32::ReleaseWab() {
    addressBooks_.ReleaseWab();
}

void ImportSourcesWin32::PickAndImportAddresses(SessionLists& lists, ImportStatistics& statistics) {
    ::PickAndImportAddresses(addressBooks_, app_.DisabledHost(), lists, statistics);
}

int ImportSourcesWin32::ReadCsvFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                                    int importType, int optionFlags) {
    CsvDialogsWin32 dialogs;
    return ::ReadCsvFile(path, lists, excluded, importType, optionFlags, dialogs);
}

// The speed-dial reader is not part of this build yet: it imports nothing, which the session
// reports as "no accounts imported".

int ImportSourcesWin32::ImportSpeedDialFile(const std::string& path, SessionLists& lists,
                                            int32_t& excluded, int optionFlags) {
    return speedDial_.ImportSpeedDialFile(path, lists, excluded, optionFlags);
}

bool ImportSourcesWin32::WriteSpeedDialRecords(SessionLists& lists, ExchangeFileBuffer& file) {
    return speedDial_.WriteSpeedDialRecords(lists, file);
}

void ImportSourcesWin32::FreeSpeedDialTable() {
    speedDial_.FreeSpeedDialTable();
}
