// Read-only looks at byte strings, for code that must not change the text it reads.
#pragma once

#include <algorithm>
#include <string_view>

// The text without its leading and trailing spaces (0x20 only, as TrimSpaces).
inline std::string_view WithoutSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Whether every byte is below 0x80.
inline bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
