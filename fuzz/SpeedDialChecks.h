// Record checks shared by the speed-dial fuzz targets.
#pragma once

#include "FuzzSupport.h"
#include "speeddial/SpeedDialRecord.h"

inline bool IsTransmitType(char type) {
    return type == kTransmitOrdinary || type == kTransmitRelay || type == kTransmitConfidential ||
           type == kTransmitRelayAndConfidential;
}

// Whether every text member of a record has its terminator within the member.
inline bool AllMembersTerminated(const SpeedDialRecord& record) {
    return TerminatedWithin(record.name) && TerminatedWithin(record.faxNumber) &&
           TerminatedWithin(record.confidentialBox) &&
           TerminatedWithin(record.confidentialPassword) && TerminatedWithin(record.relayStation) &&
           TerminatedWithin(record.fcodeSubaddress) && TerminatedWithin(record.fcodePassword);
}
