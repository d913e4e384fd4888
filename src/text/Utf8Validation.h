// Whether bytes form well-formed UTF-8.
#pragma once

#include <cstddef>

// True when every sequence is a shortest-form encoding of a code point up to U+10FFFF that is
// not a surrogate. An empty text is well-formed.
bool IsWellFormedUtf8(const char* text, std::size_t size);

// Whether any byte is 0x80 or above.
bool HasNonAsciiByte(const char* text, std::size_t size);
