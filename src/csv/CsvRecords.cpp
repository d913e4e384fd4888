#include "csv/CsvRecords.h"

#include "csv/CsvPlainLine.h"
#include "text/QuotedFields.h"

#include <cstring>

namespace {

// Cuts the quoted field that opens at `quote`, carrying it over the following lines while it is
// open: each line's text is moved up behind the previous one's, with one space for the line
// break, and a doubled quote on any line becomes one quote of the text. Moves `line` to the line
// of the closing quote and returns that quote (now a terminator), or null at the end of the file.
char* CutQuotedField(CsvLines& lines, std::size_t& line, char* quote) {
    char* end = quote + 1; // where the field's text ends so far
    char* read = quote + 1;
    for (;;) {
        char* found = std::strchr(read, kFieldQuote);
        const std::size_t length =
            found ? static_cast<std::size_t>(found - read) : std::strlen(read);
        if (end != read)
            std::memmove(end, read, length);
        end += length;
        if (!found) {
            if (line + 1 >= lines.Count())
                return nullptr;
            *end++ = ' ';
            read = lines.Line(++line);
        } else if (found[1] == kFieldQuote) {
            *end++ = kFieldQuote;
            read = found + 2;
        } else {
            *end = '\0';
            *found = '\0';
            return found;
        }
    }
}

} // namespace

int SplitCsvRecord(CsvLines& lines, std::size_t& line, char separator, FieldArray& fields) {
    char* text = lines.Line(line);
    const int plain = SplitPlainLine(text, lines.LineLength(), separator, fields);
    if (plain >= 0)
        return plain;
    return SplitQuotedFields(text, separator, fields,
                             [&](char* quote) { return CutQuotedField(lines, line, quote); });
}
