#include "speeddial/SpeedDialSource.h"

#include "speeddial/SpeedDialReader.h"

int SpeedDialSource::ImportSpeedDialFile(const std::string& path, SessionLists& lists,
                                         int32_t& excluded, int optionFlags) {
    return ::ImportSpeedDialFile(path, lists, excluded, optionFlags, state_, dialogs_);
}

bool SpeedDialSource::WriteSpeedDialRecords(SessionLists& lists, ExchangeFileBuffer& file) {
    if (!state_.speedDialTable.Exists())
        return false;
    return ::WriteSpeedDialRecords(lists, file, state_.speedDialTable,
                                   state_.format.ewsFormatVersion, memo_);
}
