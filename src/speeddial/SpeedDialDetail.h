// What the speed-dial detail dialog (template 119) shows of one entry: read-only texts as they
// were stored, the confidential and F-code passwords in clear where the line parser decoded
// them.
#pragma once

#include "session/SessionLists.h"
#include "speeddial/SpeedDialRecord.h"

#include <span>
#include <string>

struct SpeedDialDetail {
    std::string title;        // "短縮號碼" and the entry's speed-dial number
    std::string name;         // field 1060
    std::string faxNumber;    // field 1061
    std::string mode;         // field 1062
    std::string confidential; // field 1063
    std::string relay;        // field 1064
    std::string fcode;        // field 1065
};

// The details of record `record`, from the table and entry `record` of the lists.
SpeedDialDetail DescribeSpeedDialEntry(std::span<const SpeedDialRecord> table,
                                       const SessionLists& lists, int record);
