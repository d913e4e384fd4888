// Whether bytes follow the double-byte rules of a code page.
#pragma once

#include <cstddef>
#include <cstdint>

// Whether `byte` may follow a lead byte in `codePage` (not 0: a resolved code page).
bool IsTrailByte(std::uint32_t codePage, unsigned char byte);

// True when every lead byte of `codePage` is followed by a trail byte of it. A code page without
// lead bytes accepts every text.
bool FollowsDoubleByteRules(const char* text, std::size_t size, std::uint32_t codePage);
