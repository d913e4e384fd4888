// Splits a CSV record, which a quoted field may carry over several lines, into its fields.
#pragma once

#include "csv/CsvLines.h"
#include "text/FieldHelpers.h"

#include <cstddef>

// Splits the record that starts at line `line` into fields where it lies, separated by
// `separator`, with the quoting rules of SplitCsvFields. A quoted field whose closing quote its
// line lacks goes on over the following lines until a single closing quote, each line break
// becoming one space of its text and each doubled quote one quote; `line` is then moved to the
// record's last line. Returns the number of
// fields (1 to 1024), 0 for an empty line, -6 when a quoted field is still open at the end of
// the file.
int SplitCsvRecord(CsvLines& lines, std::size_t& line, char separator, FieldArray& fields);
