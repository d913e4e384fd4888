// Conversion between 8-bit text and UTF-16 in the shape of MultiByteToWideChar and
// WideCharToMultiByte. Code page 1258 is converted by the program itself, joining a base letter
// and its tone-mark byte into one precomposed character and splitting it again; every other code
// page goes to the platform unchanged. Errors are a result of 0 and the thread's last error.
#pragma once

#include <cstdint>

// `codePage` 0 is the system's ANSI code page. `sourceLength` is in bytes, or -1 for a
// zero-terminated source; `targetLength` in UTF-16 units, 0 to ask for the length needed.
int CodePageToWide(std::uint32_t codePage, std::uint32_t flags, const char* source,
                   int sourceLength, char16_t* target, int targetLength);

// `sourceLength` is in UTF-16 units, or -1; `targetLength` in bytes, 0 to ask for the length
// needed. `defaultChar` and `usedDefault` may be null.
int WideToCodePage(std::uint32_t codePage, std::uint32_t flags, const char16_t* source,
                   int sourceLength, char* target, int targetLength, const char* defaultChar,
                   bool* usedDefault);

// The code page 1258 converters; `flags` are not used by Cp1258ToWide.
int Cp1258ToWide(std::uint32_t flags, const char* source, int sourceLength, char16_t* target,
                 int targetLength);
int WideToCp1258(std::uint32_t flags, const char16_t* source, int sourceLength, char* target,
                 int targetLength, const char* defaultChar, bool* usedDefault);
