// What the line parsers give besides the record: the entry's texts for the per-record lists
// of SessionLists, and the record's name.
#pragma once

#include "session/SessionLists.h"
#include "speeddial/SpeedDialRecord.h"

#include <string>

struct EntryTexts {
    std::string speedDialNumber; // for pickedRecords
    std::string confidential;
    std::string relay;
    std::string fcode;
    std::string mode;

    // One entry to each of the five lists, so that entry e of each belongs to record e.
    void AppendTo(SessionLists& lists) const;
};

// Replaces square brackets in `text` (in place) and stores at most 30 bytes of it in `name`,
// cut at a character boundary so that no two-byte character is split.
void StoreName(SpeedDialRecord& record, char* text);
