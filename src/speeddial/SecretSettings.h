// Turning a picked entry's confidential-fax and F-code texts (box or sub-address, a colon and
// the password) into the record's members when the records are written. In a version 0 file
// each text is masked as a whole.
#pragma once

#include "speeddial/SpeedDialRecord.h"

#include <cstdint>
#include <string_view>

// Clears the box and password and fills them: at most 3 bytes before the first colon, at most
// 4 after it. Returns 1 for a box with a password of 4 bytes or none, else 0 (a password of 1
// to 3 bytes is stored all the same).
int ApplyConfidentialSetting(SpeedDialRecord& record, std::string_view text,
                             int32_t ewsFormatVersion);

// Clears the sub-address and password and fills them: at most 20 bytes before the first colon
// and at most 20 after it.
void ApplyFCodeSetting(SpeedDialRecord& record, std::string_view text, int32_t ewsFormatVersion);
