// Searches for one byte in a zero-terminated text or a counted buffer, sixteen bytes at a time
// where the processor has SSE2: for the short fields and long files of CSV text, where a call
// of the C library per field costs more than the search.
#pragma once

#include "text/Sse2.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace byte_search {

#if IMPORTER_SSE2
inline unsigned Matches(__m128i bytes, __m128i wanted) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
}
#endif

} // namespace byte_search

// The first byte at or after `text` that is `wanted` or the terminator. Loads whole aligned
// blocks, which never cross a page: like the C library's own searches it may look at bytes of
// the last block beyond the terminator, which the address checker is told.
#if IMPORTER_SSE2
__attribute__((no_sanitize_address)) inline char* FindByteOrEnd(char* text, char wanted) {
    const auto address = reinterpret_cast<std::uintptr_t>(text);
    const std::uintptr_t offset = address & 15u;
    const auto* block = reinterpret_cast<const __m128i*>(address - offset);
    const __m128i wantedBytes = _mm_set1_epi8(wanted);
    const __m128i zero = _mm_setzero_si128();
    __m128i bytes = _mm_load_si128(block);
    unsigned mask = (byte_search::Matches(bytes, wantedBytes) | byte_search::Matches(bytes, zero)) &
                    (0xFFFFu << offset);
    std::size_t skipped = 0; // bytes from the first block's start
    while (mask == 0) {
        ++block;
        skipped += 16;
        bytes = _mm_load_si128(block);
        mask = byte_search::Matches(bytes, wantedBytes) | byte_search::Matches(bytes, zero);
    }
    return text + (skipped + static_cast<std::size_t>(__builtin_ctz(mask)) - offset);
}
#else
inline char* FindByteOrEnd(char* text, char wanted) {
    while (*text != wanted && *text != '\0')
        ++text;
    return text;
}
#endif

// FindByteOrEnd for the fields of one text, searched in order: the matches of the last block
// loaded serve the next search that starts in that block, so the many short fields of a line
// cost one load per block, not one per field. A search must start after the last one's result,
// and the bytes not yet passed must not change between searches unless Forget() is called; the
// bytes found may (a separator becomes a terminator). Without `StopsAtZero` a search looks for
// `wanted` alone, which must then come before the end of the text's last block.
template <bool StopsAtZero> class BlockScanner {
  public:
#if IMPORTER_SSE2
    explicit BlockScanner(char wanted) : wanted_(_mm_set1_epi8(wanted)) {}

    __attribute__((no_sanitize_address)) char* Find(char* text) {
        const auto address = reinterpret_cast<std::uintptr_t>(text);
        const std::uintptr_t offset = address & 15u;
        const char* block = text - offset;
        if (block != block_) {
            block_ = block;
            blockMask_ = Load(block);
        }
        unsigned mask = blockMask_ & (0xFFFFu << offset);
        while (mask == 0) {
            block_ += 16;
            blockMask_ = Load(block_);
            mask = blockMask_;
        }
        return text + (block_ - block) +
               (static_cast<std::ptrdiff_t>(__builtin_ctz(mask)) -
                static_cast<std::ptrdiff_t>(offset));
    }

    void Forget() {
        block_ = nullptr;
    }

  private:
    __attribute__((no_sanitize_address)) unsigned Load(const char* block) const {
        const __m128i bytes = _mm_load_si128(reinterpret_cast<const __m128i*>(block));
        const unsigned found = byte_search::Matches(bytes, wanted_);
        return StopsAtZero ? found | byte_search::Matches(bytes, _mm_setzero_si128()) : found;
    }

    __m128i wanted_;
    const char* block_ = nullptr; // the block loaded last, and its matches
    unsigned blockMask_ = 0;
#else
    explicit BlockScanner(char wanted) : wanted_(wanted) {}
    char* Find(char* text) const {
        if constexpr (StopsAtZero)
            return FindByteOrEnd(text, wanted_);
        while (*text != wanted_)
            ++text;
        return text;
    }
    void Forget() {}

  private:
    char wanted_;
#endif
};

using ByteOrEndScanner = BlockScanner<true>;
using ByteScanner = BlockScanner<false>;

// Calls `found(position)` for every byte `wanted` of `size` bytes at `data`, in order. The
// callback may change bytes already passed, and the byte it is given.
template <typename Found> void ForEachByte(char* data, std::size_t size, char wanted, Found found) {
    std::size_t position = 0;
#if IMPORTER_SSE2
    const __m128i wantedBytes = _mm_set1_epi8(wanted);
    for (; position + 16 <= size; position += 16) {
        unsigned mask = byte_search::Matches(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + position)), wantedBytes);
        for (; mask != 0; mask &= mask - 1)
            found(position + static_cast<std::size_t>(__builtin_ctz(mask)));
    }
#endif
    for (; position < size; ++position) {
        if (data[position] == wanted)
            found(position);
    }
}

// The number of bytes `wanted` in `size` bytes at `data`.
inline std::size_t CountByte(const char* data, std::size_t size, char wanted) {
    std::size_t count = 0;
    std::size_t position = 0;
#if IMPORTER_SSE2
    // Each lane counts down by one per match for up to 255 blocks, then the lanes are summed.
    const __m128i wantedBytes = _mm_set1_epi8(wanted);
    while (position + 16 <= size) {
        __m128i lanes = _mm_setzero_si128();
        for (int block = 0; block < 255 && position + 16 <= size; ++block, position += 16)
            lanes = _mm_sub_epi8(
                lanes,
                _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + position)),
                               wantedBytes));
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
    }
#endif
    for (; position < size; ++position)
        count += data[position] == wanted;
    return count;
}
