// The selection record of one import session.
#pragma once

#include "session/StringList.h"

#include <cstdint>

// Names and fax numbers of recipients are at most this many bytes.
inline constexpr int kMaxFieldLength = 30;
// The limit that a host window with the child 1008 sets.
inline constexpr int kHostRecipientLimit = 200;

struct SessionLists {
    int32_t limit = 0; // 0: no limit
    int32_t count = 0;
    StringList recipients; // "name [fax]"
    // Speed-dial imports only.
    StringList pickedRecords;
    StringList confidentialTexts;
    StringList relayTexts;
    StringList fcodeTexts;
    StringList modeTexts;
};

// The statistics that the sources fill and the confirmation dialog shows.
struct ImportStatistics {
    int32_t selectedCount = 0;
    int32_t validCount = 0;
    int32_t excludedCount = 0;
};

// The kinds of import; 0 means none was chosen.
enum ImportType : int {
    kNoImportType = 0,
    kImportMapi = 1,
    kImportWabChosenFile = 2,
    kImportWabDefaultFile = 3,
    kImportCsvChosenColumns = 4,
    kImportCsvFoundColumns = 5,
    kImportSpeedDial = 6,
};

// The bit of the option number that allows only one recipient per fax.
inline constexpr int kSingleRecipientOption = 2;

inline bool SingleRecipientRestriction(int optionFlags) {
    return (optionFlags & kSingleRecipientOption) != 0;
}
