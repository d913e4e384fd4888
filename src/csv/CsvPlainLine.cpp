#include "csv/CsvPlainLine.h"

#include "text/ByteSearch.h"
#include "text/QuotedFields.h"

#include <array>
#include <cstdint>

namespace {

// Cuts the line at the separators marked in each 16-byte block's mask.
template <std::size_t Blocks>
int CutAtSeparators(char* line, char* first, const std::array<unsigned, Blocks>& separators,
                    std::size_t blocks, FieldArray& fields) {
    fields[0] = line;
    int count = 1;
    for (std::size_t block = 0; block < blocks; ++block) {
        for (unsigned mask = separators[block]; mask != 0; mask &= mask - 1) {
            char* separator = first + 16 * block + __builtin_ctz(mask);
            *separator = '\0';
            fields[static_cast<std::size_t>(count++)] = separator + 1;
        }
    }
    return count;
}

// SplitPlainLine for a line of 1 to kMaxPlainLine bytes.
#if IMPORTER_SSE2
// Loads whole aligned blocks, which never cross a page: the first and last may hold bytes
// outside the line, which the masks leave out and the address checker is told.
__attribute__((no_sanitize_address)) int SplitShortLine(char* line, std::size_t length,
                                                        char separator, FieldArray& fields) {
    const std::size_t offset = reinterpret_cast<std::uintptr_t>(line) & 15u;
    char* first = line - offset;
    const std::size_t blocks = (offset + length + 15) / 16;
    const std::size_t lastEnd = offset + length - 16 * (blocks - 1); // 1 to 16
    const __m128i separatorBytes = _mm_set1_epi8(separator);
    const __m128i quoteBytes = _mm_set1_epi8(kFieldQuote);
    const __m128i zeroBytes = _mm_setzero_si128();
    std::array<unsigned, kMaxPlainLine / 16 + 1> separators;
    unsigned refused = 0;
    for (std::size_t block = 0; block < blocks; ++block) {
        const __m128i bytes = _mm_load_si128(reinterpret_cast<const __m128i*>(first + 16 * block));
        unsigned inLine = block == 0 ? 0xFFFFu << offset : 0xFFFFu;
        if (block + 1 == blocks)
            inLine &= 0xFFFFu >> (16 - lastEnd);
        separators[block] = byte_search::Matches(bytes, separatorBytes) & inLine;
        refused |=
            (byte_search::Matches(bytes, quoteBytes) | byte_search::Matches(bytes, zeroBytes)) &
            inLine;
    }
    if (refused != 0)
        return -1;
    return CutAtSeparators(line, first, separators, blocks, fields);
}
#else
int SplitShortLine(char* line, std::size_t length, char separator, FieldArray& fields) {
    std::array<unsigned, kMaxPlainLine / 16 + 1> separators{};
    for (std::size_t at = 0; at < length; ++at) {
        if (line[at] == kFieldQuote || line[at] == '\0')
            return -1;
        if (line[at] == separator)
            separators[at / 16] |= 1u << (at % 16);
    }
    return CutAtSeparators(line, line, separators, (length + 15) / 16, fields);
}
#endif

} // namespace

int SplitPlainLine(char* line, std::size_t length, char separator, FieldArray& fields) {
    if (length == 0)
        return 0;
    return length > kMaxPlainLine ? -1 : SplitShortLine(line, length, separator, fields);
}
