#include "text/FieldHelpers.h"

#include "platform/CodePages.h"
#include "text/Cp1258Tables.h"
#include "text/NumberCharacters.h"
#include "text/QuotedFields.h"

#include <array>
#include <cstring>

namespace {

// Cuts the quoted field that opens at `quote`. Returns its closing quote, or null when the
// field is never closed.
char* CutQuotedField(char* quote) {
    char* closing = std::strchr(quote + 1, kFieldQuote);
    return closing ? JoinDoubledQuotes(closing, closing) : nullptr;
}

// Code page 1258 has no lead bytes: there a base letter and its tone mark make two bytes.
bool StartsTwoBytes(const platform::AnsiLeadBytes& leads, const char* position) {
    if (leads.codePage == platform::kCodePageVietnamese)
        return IsComposedPair(position, nullptr) == 1;
    return leads.leads[static_cast<unsigned char>(*position)];
}

constexpr bool IsAcceptedFaxByte(unsigned char byte) {
    return byte >= 0x21 && byte <= 0x7A && byte != ',' && byte != '[' && byte != ']';
}

// What each byte leaves in a fax number: itself, upper-cased, or 0 when it goes; kNotAscii for
// the terminator and the bytes of 0x80 and above, which need a closer look.
constexpr unsigned char kNotAscii = 0x80;
constexpr std::array<unsigned char, 0x100> kFaxBytes = [] {
    std::array<unsigned char, 0x100> bytes{};
    for (unsigned byte = 0; byte < 0x100; ++byte) {
        const unsigned upper = byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte;
        if (byte == 0 || byte >= 0x80)
            bytes[byte] = kNotAscii;
        else if (IsAcceptedFaxByte(static_cast<unsigned char>(upper)))
            bytes[byte] = static_cast<unsigned char>(upper);
    }
    return bytes;
}();

// Goes through a fax number's bytes and calls `write(kept, byte)` for each byte it leaves, `kept`
// being how many came before it; a byte that goes may be written as 0 where the next one will
// be. Returns how many bytes are left.
template <typename Write> int CleanFaxBytes(const char* text, Write write) {
    int kept = 0;
    for (const char* read = text;; ++read) {
        const auto byte = static_cast<unsigned char>(*read);
        const unsigned char out = kFaxBytes[byte];
        if (out != kNotAscii) {
            write(kept, static_cast<char>(out));
            kept += out != 0;
            continue;
        }
        if (byte == 0)
            break;
        // A two-byte character goes whole, unless it is a digit or sign typed in full width.
        const auto trail = static_cast<unsigned char>(read[1]);
        if (trail != '\0' && platform::AnsiLeadByteTable().leads[byte]) {
            ++read;
            if (const char ascii =
                    DoubleByteNumberCharacterAsAscii(platform::AnsiCodePage(), byte, trail))
                write(kept++, ascii);
        }
    }
    return kept;
}

} // namespace

char* JoinDoubledQuotes(char* closing, char* end) {
    *closing = '\0';
    *end = '\0';
    while (closing[1] == kFieldQuote) {
        char* second = closing + 1;
        char* next = std::strchr(second + 1, kFieldQuote);
        if (!next)
            break;
        *next = '\0';
        // Keep the second quote and what follows it; the pieces overlap, so move, not copy.
        const std::size_t length = static_cast<std::size_t>(next - second);
        std::memmove(end, second, length);
        end += length;
        *end = '\0';
        closing = next;
    }
    return closing;
}

int SplitCsvFields(FieldArray& fields) {
    return SplitQuotedFields(fields[0], ',', fields, CutQuotedField);
}

int CleanFaxNumber(char* text) {
    if (!text)
        return 0;
    // `kept` never passes `read`, so the text can be written where it lies.
    const int length = CleanFaxBytes(text, [text](int kept, char byte) { text[kept] = byte; });
    text[length] = '\0';
    return length;
}

int CopyCleanFaxNumber(const char* text, char* out, int room) {
    if (!text)
        return 0;
    const int length = CleanFaxBytes(text, [out, room](int kept, char byte) {
        if (kept < room)
            out[kept] = byte;
    });
    if (length < room)
        out[length] = '\0';
    return length;
}

std::size_t TrimSpaces(char* text) {
    if (!text)
        return 0;
    std::size_t start = 0;
    while (text[start] == ' ')
        ++start;
    std::size_t length = std::strlen(text + start);
    if (start > 0)
        std::memmove(text, text + start, length + 1);
    while (length > 0 && text[length - 1] == ' ')
        --length;
    text[length] = '\0';
    return length;
}

void ReplaceBrackets(char* text) {
    if (!text)
        return;
    const platform::AnsiLeadBytes& leads = platform::AnsiLeadByteTable();
    char* position = text;
    while (*position != '\0') {
        if (StartsTwoBytes(leads, position)) {
            if (position[1] == '\0')
                return; // a lead byte without its second byte
            position += 2;
            continue;
        }
        if (*position == '[')
            *position = '(';
        else if (*position == ']')
            *position = ')';
        ++position;
    }
}

void ReplaceBrackets(char* text, std::size_t length) {
    bool brackets = false;
    for (std::size_t at = 0; at < length; ++at)
        brackets |= text[at] == '[' || text[at] == ']';
    if (brackets)
        ReplaceBrackets(text);
}

int ClipToCharBoundary(const char* text, int limit) {
    // The result is where the caller writes a terminator: never below 0, never past the text.
    if (!text || limit <= 0)
        return 0;
    const platform::AnsiLeadBytes& leads = platform::AnsiLeadByteTable();
    int position = 0;
    while (position < limit && text[position] != '\0') {
        if (StartsTwoBytes(leads, text + position) && text[position + 1] != '\0')
            position += 2;
        else
            position += 1;
    }
    if (position <= limit)
        return position;
    return position - 2; // the last two-byte character straddles the limit
}

bool IsDoubleByteStart(const char* position) {
    return position && StartsTwoBytes(platform::AnsiLeadByteTable(), position);
}
