#include "csv/CsvRecords.h"

#include <cstring>

namespace {

constexpr char kQuote = '"';
constexpr int kUnclosedQuote = -6;

// Finds the quote that closes the field opened at `quote` on line `line`, carrying the field
// over the following lines while none is found: each line's text is moved up behind the
// previous one's, with one space for the line break. Moves `line` to the closing quote's line.
// Returns the closing quote, with the field's text ending at `fieldEnd`, or null at the end of
// the file.
char* FindClosingQuote(const CsvLines& lines, std::size_t& line, char* quote, char*& fieldEnd) {
    char* closing = std::strchr(quote + 1, kQuote);
    if (closing) {
        fieldEnd = closing;
        return closing;
    }
    char* end = quote + 1 + std::strlen(quote + 1); // where the field's text ends so far
    while (line + 1 < lines.Count()) {
        *end++ = ' ';
        char* next = lines.Line(++line);
        closing = std::strchr(next, kQuote);
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

// Cuts the quoted field that opens at `quote`: doubled quotes become one, the field ends at the
// first single closing quote. Returns that closing quote, or null when the field is never
// closed.
char* CutQuotedField(const CsvLines& lines, std::size_t& line, char* quote) {
    char* end = nullptr;
    char* closing = FindClosingQuote(lines, line, quote, end);
    if (!closing)
        return nullptr;
    *closing = '\0';
    *end = '\0';
    while (closing[1] == kQuote) {
        char* second = closing + 1;
        char* next = std::strchr(second + 1, kQuote);
        if (!next)
            break;
        *next = '\0';
        // Keep the second quote and what follows it; the pieces may overlap.
        const std::size_t length = static_cast<std::size_t>(next - second);
        std::memmove(end, second, length);
        end += length;
        *end = '\0';
        closing = next;
    }
    return closing;
}

} // namespace

int SplitCsvRecord(const CsvLines& lines, std::size_t& line, char separator, FieldArray& fields) {
    char* field = lines.Line(line);
    if (*field == '\0')
        return 0;
    for (int index = 0;;) {
        char* searchFrom = field;
        if (*field == kQuote) {
            fields[static_cast<std::size_t>(index)] = field + 1;
            char* closing = CutQuotedField(lines, line, field);
            if (!closing)
                return kUnclosedQuote;
            searchFrom = closing + 1;
        } else {
            fields[static_cast<std::size_t>(index)] = field;
        }
        char* found = std::strchr(searchFrom, separator);
        if (!found)
            return index + 1;
        *found = '\0';
        field = found + 1;
        ++index;
        if (index == kMaxCsvFields) {
            fields[kMaxCsvFields] = field;
            return kMaxCsvFields;
        }
    }
}
