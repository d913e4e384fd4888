// Whether a chosen file is a vCard file rather than a CSV file.
#pragma once

#include <cstddef>

// True when the first non-empty line, after a UTF-8 byte order mark, is "BEGIN:VCARD" in any
// letter case. Lines end at a line feed, a carriage return or both.
bool IsVCardContent(const char* content, std::size_t size);

// The bytes of a UTF-8 byte order mark at the start, or 0.
std::size_t Utf8MarkLength(const char* content, std::size_t size);
