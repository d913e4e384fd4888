// The check column MFENCSTR of version 5 and 6 files: Base64, with '0' written as '-', of the
// line's fax number as split, optionally followed by a tab and the F-code sub-address.
#pragma once

#include "speeddial/LineFields.h"

#include <cstddef>
#include <string_view>

// The working text: a check column longer than 255 bytes cannot be one and fails.
inline constexpr std::size_t kEncodedColumnBuffer = 256;

// Offset of the F-code sub-address from the fax column.
inline constexpr int kFCodeSubaddressOffset = 21;

// Whether the check column `encoded` matches field `faxColumn` (which the caller has found
// present) and the F-code sub-address of the line.
bool VerifyEncodedColumn(const LineFields& line, std::string_view encoded, int faxColumn);
