// In-place operations on zero-terminated byte strings in the ANSI code page. None of them
// allocates; callers keep pointers into the same buffer.
#pragma once

#include <array>
#include <cstddef>

inline constexpr int kMaxCsvFields = 1024;
// Slots 0..1023 receive the fields; slot 1024 may receive the unsplit rest of an over-long line.
using FieldArray = std::array<char*, kMaxCsvFields + 1>;

// Splits the line in slot 0 into fields where it lies. Returns the number of fields (1 to 1024),
// 0 for an empty line, -6 when a quoted field has no closing quote.
int SplitCsvFields(FieldArray& fields);

// Upper-cases a to z and removes every byte the fax application does not accept. A two-byte
// character goes whole, except the digits and signs typed in full width and the dashes, which
// become their ASCII forms. Returns the length of what is left.
int CleanFaxNumber(char* text);

// CleanFaxNumber leaving `text` as it is: the cleaned bytes go to `out`, as many as fit in
// `room`, followed by a terminator while one fits. Returns the cleaned length, which may be
// above `room`.
int CopyCleanFaxNumber(const char* text, char* out, int room);

// Removes spaces (0x20 only) at both ends. Returns the length of what is left.
std::size_t TrimSpaces(char* text);

// Turns square brackets into round ones, leaving two-byte characters untouched.
void ReplaceBrackets(char* text);
// The same for a text of `length` bytes, passed over at once when it holds no square bracket.
void ReplaceBrackets(char* text, std::size_t length);

// The longest prefix of at most `limit` bytes that ends on a character boundary. For a text
// longer than `limit`, with `limit` above 0.
int ClipToCharBoundary(const char* text, int limit);

// Whether the byte at `position` begins a two-byte character in the ANSI code page.
bool IsDoubleByteStart(const char* position);
