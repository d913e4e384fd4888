// The common CSV line, with no quote and no zero byte, split in one pass over its bytes: the
// separators of a whole line are found before any is cut, with no branch per field.
#pragma once

#include "text/FieldHelpers.h"

#include <cstddef>

// The longest line split so: fewer separators than the field limit, and few blocks to keep.
inline constexpr std::size_t kMaxPlainLine = 512;

// Splits the `length` bytes at `line` (followed by their terminator) at every `separator`,
// where they lie, when they hold no quote and no zero byte and are at most kMaxPlainLine: the
// fields are then exactly those the quoting rules give. Returns the number of fields, 0 for an
// empty line, or -1 without changing a byte when the line needs the quoting rules.
int SplitPlainLine(char* line, std::size_t length, char separator, FieldArray& fields);
