// The data lines of version 1 to 6 files, laid out from the fax-number column F that the
// column-title line names MFFAX.
#pragma once

#include "session/SessionLists.h"
#include "speeddial/EwsFormat.h"
#include "speeddial/LineFields.h"
#include "speeddial/SpeedDialRecord.h"

// Accepts a line of address type "FAX" with a speed-dial number and a fax number that cleans
// to 1 to 30 bytes (from version 5 on also a matching check column); fills `record` (prepared
// from recordTemplate) and appends the entry's texts to the lists. `faxColumn` and
// `encColumn` are -1 when the title line lacks them.
bool ParseFaxLine(LineFields& line, SpeedDialRecord& record, SessionLists& lists, int faxColumn,
                  int encColumn, const EwsFormat& format);
