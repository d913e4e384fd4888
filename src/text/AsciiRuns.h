// Runs of ASCII bytes found a word at a time: the bulk of most texts, passed over without a
// look at each byte.
#pragma once

#include "text/Sse2.h"

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

// Writes `count` UTF-16 units below 0x80, stored at `units` in either byte order, as one byte
// each: sixteen at a time where the processor has SSE2.
inline void NarrowAsciiUnits(const unsigned char* units, std::size_t count, bool bigEndian,
                             char* target) {
    std::size_t unit = 0;
#if IMPORTER_SSE2
    for (; unit + 16 <= count; unit += 16) {
        __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + 2 * unit));
        __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + 2 * unit + 16));
        if (bigEndian) {
            first = _mm_srli_epi16(first, 8);
            second = _mm_srli_epi16(second, 8);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + unit),
                         _mm_packus_epi16(first, second));
    }
#endif
    const unsigned char* low = units + (bigEndian ? 1 : 0);
    for (; unit < count; ++unit)
        target[unit] = static_cast<char>(low[2 * unit]);
}
