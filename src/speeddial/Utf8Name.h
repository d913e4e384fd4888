// The name of a version 6 file is UTF-8; the program keeps names in the ANSI code page.
#pragma once

#include <cstddef>
#include <span>

// The working sizes of the conversion: UTF-16 units, and bytes of the converted name.
inline constexpr std::size_t kNameWideUnits = 128;
inline constexpr std::size_t kNameAnsiBytes = 128;

// Converts the zero-terminated UTF-8 `field` through UTF-16 into the ANSI code page, composing
// a base character and a following mark where the code page has the composed character. A
// name too long for the working sizes is converted from a start of it that fits them; only its
// first 30 bytes are ever kept, and every such start gives more. The result is always
// zero-terminated; it is empty, and the result false, when the conversion fails. Throws
// std::bad_alloc when the platform had no memory for the conversion.
bool ConvertUtf8Name(const char* field, std::span<char, kNameAnsiBytes> name);
