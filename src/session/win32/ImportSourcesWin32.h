// The import sources as the Windows program runs them.
#pragma once

#include "addressbook/win32/AddressBookProviders.h"
#include "session/Desktop.h"

class ImportApp;

class ImportSourcesWin32 : public ImportSources {
  public:
    explicit ImportSourcesWin32(ImportApp& app) : app_(app) {}

    bool StartMapi() override;
    void StopMapi() override;
    bool OpenWab(const std::string& path) override;
    void ReleaseWab() override;
    void PickAndImportAddresses(SessionLists& lists, ImportStatistics& statistics) override;
    int ReadCsvFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                    int importType, int optionFlags) override;
    int ImportSpeedDialFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                            int optionFlags) override;
    bool WriteSpeedDialRecords(SessionLists& lists, ExchangeFileBuffer& file) override;
    void FreeSpeedDialTable() override;

  private:
    [[maybe_unused]] ImportApp& app_;
    AddressBookProviders addressBooks_;
};
