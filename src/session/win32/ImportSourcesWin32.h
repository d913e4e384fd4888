// The import sources as the Windows program runs them.
#pragma once

#include "addressbook/win32/AddressBookProviders.h"
#include "session/Desktop.h"
#include "speeddial/SpeedDialSource.h"
#include "speeddial/win32/SpeedDialWin32.h"

class ImportApp;

class ImportSourcesWin32 : public ImportSources {
  public:
    explicit ImportSourcesWin32(ImportApp& app)
        : app_(app), memoQuestion_(app), speedDial_(speedDialDialogs_, memoQuestion_) {}

    bool StartMapi() override;
    void StopMapi() override;
    WabOpening OpenWab(const std::string& path) override;
    void ReleaseWab() override;
    void PickAndImportAddresses(SessionLists& lists, ImportStatistics& statistics) override;
    int ReadCsvFile(const std::string& path, SessionLists& lists, int32_t& excluded, int importType,
                    int optionFlags) override;
    int ImportSpeedDialFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                            int optionFlags) override;
    bool WriteSpeedDialRecords(SessionLists& lists, ExchangeFileBuffer& file) override;
    void FreeSpeedDialTable() override;

  private:
    [[maybe_unused]] ImportApp& app_;
    AddressBookProviders addressBooks_;
    SpeedDialDialogsWin32 speedDialDialogs_;
    SpeedDialMemoQuestionWin32 memoQuestion_;
    SpeedDialSource speedDial_;
};
