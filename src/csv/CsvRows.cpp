#include "csv/CsvRows.h"

#include "csv/CsvRecords.h"

#include <cstring>
#include <limits>

namespace {

// Trimmed, bracket-free and cut at a character boundary so that no half character remains.
void CopyName(char* field, char (&name)[kCandidateFieldSize]) {
    TrimSpaces(field);
    ReplaceBrackets(field);
    std::size_t length = std::strlen(field);
    if (length > static_cast<std::size_t>(kMaxFieldLength)) {
        const int clipped = ClipToCharBoundary(field, kMaxFieldLength);
        length = clipped > 0 && clipped <= kMaxFieldLength ? static_cast<std::size_t>(clipped) : 0;
    }
    std::memcpy(name, field, length);
    name[length] = '\0';
}

void CopyFaxNumber(const char* cleaned, std::size_t length,
                   char (&faxNumber)[kCandidateFieldSize]) {
    std::memset(faxNumber, 0, sizeof faxNumber);
    std::memcpy(faxNumber, cleaned, length);
}

} // namespace

RowsOutcome ReadCsvRows(const CsvLines& lines, std::size_t firstLine, char separator,
                        const CsvColumns& columns, FieldArray& fields, CsvCandidateTable& table,
                        int32_t& excludedRows) {
    bool anyNumber = false;
    for (std::size_t index = firstLine; index < lines.Count(); ++index) {
        // A record that spans lines moves `index` to its last line.
        const int fieldCount = SplitCsvRecord(lines, index, separator, fields);
        if (fieldCount < 0)
            return RowsOutcome::UnclosedQuote;
        if (fieldCount == 0)
            continue;

        CsvCandidate candidate{};
        if (columns.nameColumn >= 0 && columns.nameColumn < fieldCount)
            CopyName(fields[columns.nameColumn], candidate.name);

        bool rowHasNumber = false;
        for (const int column : columns.faxColumns) {
            if (column < 0 || column >= fieldCount)
                continue;
            const int length = CleanFaxNumber(fields[column]);
            if (length < 0 || length > kMaxFieldLength)
                continue;
            CopyFaxNumber(fields[column], static_cast<std::size_t>(length), candidate.faxNumber);
            table.Append(candidate);
            rowHasNumber = rowHasNumber || length > 0;
        }
        if (rowHasNumber)
            anyNumber = true;
        else if (excludedRows < std::numeric_limits<int32_t>::max())
            ++excludedRows;
    }
    return anyNumber ? RowsOutcome::NumbersFound : RowsOutcome::NoNumberFound;
}
