// Turns the rows after the header line into candidates.
#pragma once

#include "csv/CsvCandidateTable.h"
#include "csv/CsvColumns.h"
#include "csv/CsvLines.h"
#include "text/FieldHelpers.h"

#include <cstddef>
#include <cstdint>

enum class RowsOutcome {
    NumbersFound, // at least one row gave a non-empty fax number
    NoNumberFound,
    UnclosedQuote, // a row opens a quoted field that the file does not close
};

// Every record from line `firstLine` on, the last line included, gives one candidate per fax
// column that it has and whose cleaned number fits, and a phone value that its row calls a fax
// number one per number it lists; empty lines are skipped. A record that gives no non-empty
// number adds 1 to `excludedRows`, once however many lines it spans. `table` must have room for
// (lines from `firstLine` on) × (fax columns) candidates, plus one for each list separator.
RowsOutcome ReadCsvRows(CsvLines& lines, std::size_t firstLine, char separator,
                        const CsvColumns& columns, FieldArray& fields, CsvCandidateTable& table,
                        int32_t& excludedRows);
