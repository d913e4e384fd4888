// A CSV file's text brought to the ANSI code page before its lines are cut.
#pragma once

#include "platform/Files.h"

#include <cstddef>
#include <cstdint>

enum class CsvEncoding {
    Ansi, // used byte for byte
    Utf8,
    Utf16LittleEndian,
    Utf16BigEndian,
};

struct DetectedEncoding {
    CsvEncoding encoding = CsvEncoding::Ansi;
    std::size_t markLength = 0; // the byte order mark's bytes, skipped
};

// A byte order mark decides; without one, the text is UTF-8 when it is well-formed UTF-8 with
// a byte of 0x80 or above and does not also follow the double-byte rules of `ansiCodePage`.
DetectedEncoding DetectCsvEncoding(const char* content, std::size_t size,
                                   std::uint32_t ansiCodePage);

// Converts Unicode contents whole to the ANSI code page; the converted buffer replaces the
// original, which is released. Other contents stay as they are. False when memory for the
// conversion cannot be had (the contents are then unchanged).
bool ConvertCsvContent(platform::FileBytes& content);
