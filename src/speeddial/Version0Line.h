// The data lines of a version 0 file, whose columns are fixed.
#pragma once

#include "session/SessionLists.h"
#include "speeddial/LineFields.h"
#include "speeddial/SpeedDialRecord.h"

// Accepts a line with a speed-dial number, "X" or "P" in column 1 and a fax number that cleans
// to 1 to 30 bytes; fills `record` (prepared from recordTemplate) and appends the entry's texts
// to the lists. The confidential and F-code columns stay masked until the records are written.
bool ParseVersion0Line(LineFields& line, SpeedDialRecord& record, SessionLists& lists);
