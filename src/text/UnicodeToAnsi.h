// Unicode text converted whole to the ANSI code page through the platform's conversion.
#pragma once

#include "platform/Files.h"

#include <cstddef>

enum class UnicodeForm {
    Utf8,
    Utf16LittleEndian,
    Utf16BigEndian,
};

// Converts `size` bytes of text in `form`, without its byte order mark, to the ANSI code page.
// A character the code page lacks, and an invalid sequence, each become the platform's default
// character; so does the odd last byte of UTF-16 text. The result replaces nothing: `converted`
// receives a new zero-terminated buffer. False, with `converted` empty, when memory cannot be had
// or the platform refuses the text.
bool ConvertToAnsiCodePage(UnicodeForm form, const char* text, std::size_t size,
                           platform::FileBytes& converted);
