// The speed-dial import of one session as the session reaches it: reading the file and
// picking, writing the picked records, and freeing the table at the hand-back. The Windows
// build forwards ImportSources' speed-dial operations here with its real dialogs.
#pragma once

#include "session/ExchangeFile.h"
#include "session/SessionLists.h"
#include "speeddial/SpeedDialDialogs.h"
#include "speeddial/SpeedDialState.h"
#include "speeddial/SpeedDialWriter.h"

#include <cstdint>
#include <string>

class SpeedDialSource {
  public:
    // Both must outlive the source.
    SpeedDialSource(SpeedDialDialogs& dialogs, SpeedDialMemoQuestion& memo)
        : dialogs_(dialogs), memo_(memo) {}

    // ImportSpeedDialFile of SpeedDialReader.h with this session's table and format.
    int ImportSpeedDialFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                            int optionFlags);
    // The picked records after the count; false when there is no table or a pick names no
    // record of it.
    bool WriteSpeedDialRecords(SessionLists& lists, ExchangeFileBuffer& file);
    void FreeSpeedDialTable() { state_.speedDialTable.Free(); }

    const SpeedDialState& State() const { return state_; }

  private:
    SpeedDialDialogs& dialogs_;
    SpeedDialMemoQuestion& memo_;
    SpeedDialState state_;
};
