// The 62-byte record of the recipient exchange file, and the split of a "name [fax]" entry.
#pragma once

#include <cstddef>

inline constexpr std::size_t kRecipientFieldSize = 31;
inline constexpr std::size_t kSplitBufferSize = 32;

struct RecipientRecord {
    char name[kRecipientFieldSize];
    char faxNumber[kRecipientFieldSize];
};
static_assert(sizeof(RecipientRecord) == 62);
static_assert(offsetof(RecipientRecord, faxNumber) == 31);

// Splits "name [fax]" at its last bracket pair. Each part is copied zero-terminated into its
// 32-byte buffer; a part that would not fit is cut (the sources never deliver one).
void SplitRecipientEntry(const char* entry, char (&name)[kSplitBufferSize],
                         char (&faxNumber)[kSplitBufferSize]);
