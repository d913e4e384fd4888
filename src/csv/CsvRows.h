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
    UnclosedQuote, // a row opens a quoted field that its line does not close
};

// Every line after `headerIndex`, the last one included, gives one candidate per fax column
// that it has and whose cleaned number fits; empty lines are skipped. A row that gives no
// non-empty number adds 1 to `excludedRows`. `table` must have room for
// (lines after the header) × (fax columns) candidates.
RowsOutcome ReadCsvRows(const CsvLines& lines, std::size_t headerIndex, const CsvColumns& columns,
                        FieldArray& fields, CsvCandidateTable& table, int32_t& excludedRows);
