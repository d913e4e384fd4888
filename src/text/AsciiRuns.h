// Runs of ASCII bytes found a word at a time: the bulk of most texts, passed over without a
// look at each byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace ascii_runs {

inline constexpr std::uint64_t kHighBits = 0x8080808080808080u;

inline std::uint64_t Word(const unsigned char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

} // namespace ascii_runs

// The number of bytes below 0x80 at the start of `bytes` (at most `size`).
inline std::size_t AsciiRunLength(const unsigned char* bytes, std::size_t size) {
    using ascii_runs::Word;
    std::size_t position = 0;
    while (position + 32 <= size && ((Word(bytes + position) | Word(bytes + position + 8) |
                                      Word(bytes + position + 16) | Word(bytes + position + 24)) &
                                     ascii_runs::kHighBits) == 0)
        position += 32;
    while (position + 8 <= size && (Word(bytes + position) & ascii_runs::kHighBits) == 0)
        position += 8;
    while (position < size && bytes[position] < 0x80)
        ++position;
    return position;
}
