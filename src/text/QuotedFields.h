// The quoting rules that the CSV line splitter and the record splitter share.
#pragma once

#include "text/ByteSearch.h"
#include "text/FieldHelpers.h"

#include <cstring>

inline constexpr char kFieldQuote = '"';
inline constexpr int kUnclosedQuote = -6;

// Ends the quoted field whose closing quote is at `closing` and whose text ends at `end`: the
// quote doubled right after it becomes one quote of the text and the field goes on to the next
// quote, until a quote stands alone. Returns that last closing quote (now a terminator).
char* JoinDoubledQuotes(char* closing, char* end);

// Splits the fields that start at `first` where they lie, at each `separator` outside quotes.
// `cutQuoted(quote)` ends the quoted field that opens at `quote` and returns its closing quote,
// or null when there is none. Returns the number of fields (1 to 1024), 0 for an empty text,
// -6 for a quoted field without its closing quote.
template <typename CutQuoted>
int SplitQuotedFields(char* first, char separator, FieldArray& fields, CutQuoted cutQuoted) {
    char* field = first;
    if (!field || *field == '\0')
        return 0;
    ByteOrEndScanner scanner(separator);
    for (int index = 0;;) {
        char* searchFrom = field;
        if (*field == kFieldQuote) {
            fields[static_cast<std::size_t>(index)] = field + 1;
            char* closing = cutQuoted(field);
            if (!closing)
                return kUnclosedQuote;
            searchFrom = closing + 1;
            scanner.Forget(); // the quoted field moved bytes up
        } else {
            fields[static_cast<std::size_t>(index)] = field;
        }
        char* found = scanner.Find(searchFrom);
        if (*found == '\0')
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
