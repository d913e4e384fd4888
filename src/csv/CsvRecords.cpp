#include "csv/CsvRecords.h"

#include "text/QuotedFields.h"

#include <cstring>

namespace {

// Finds the quote that closes the field opened at `quote` on line `line`, carrying the field
// over the following lines while none is found: each line's text is moved up behind the
// previous one's, with one space for the line break. Moves `line` to the closing quote's line.
// Returns the closing quote, with the field's text ending at `fieldEnd`, or null at the end of
// the file.
char* FindClosingQuote(const CsvLines& lines, std::size_t& line, char* quote, char*& fieldEnd) {
    char* closing = std::strchr(quote + 1, kFieldQuote);
    if (closing) {
        fieldEnd = closing;
        return closing;
    }
    char* end = quote + 1 + std::strlen(quote + 1); // where the field's text ends so far
    while (line + 1 < lines.Count()) {
        *end++ = ' ';
        char* next = lines.Line(++line);
        closing = std::strchr(next, kFieldQuote);
        const std::size_t length =
            closing ? static_cast<std::size_t>(closing - next) : std::strlen(next);
        if (end != next)
            std::memmove(end, next, length);
        end += length;
        if (closing) {
            fieldEnd = end;
            return closing;
        }
    }
    return nullptr;
}

// Cuts the quoted field that opens at `quote`, which may go on over the following lines.
// Returns its closing quote, or null when the field is never closed.
char* CutQuotedField(const CsvLines& lines, std::size_t& line, char* quote) {
    char* end = nullptr;
    char* closing = FindClosingQuote(lines, line, quote, end);
    return closing ? JoinDoubledQuotes(closing, end) : nullptr;
}

} // namespace

int SplitCsvRecord(const CsvLines& lines, std::size_t& line, char separator, FieldArray& fields) {
    return SplitQuotedFields(lines.Line(line), separator, fields,
                             [&](char* quote) { return CutQuotedField(lines, line, quote); });
}
