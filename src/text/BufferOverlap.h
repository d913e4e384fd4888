// Whether two byte ranges share any byte. Compares addresses as integers, since the ranges
// may belong to unrelated objects.
#pragma once

#include <cstddef>
#include <cstdint>

inline bool BuffersOverlap(const void* first, std::size_t firstBytes, const void* second,
                           std::size_t secondBytes) {
    const auto firstStart = reinterpret_cast<std::uintptr_t>(first);
    const auto secondStart = reinterpret_cast<std::uintptr_t>(second);
    if (firstStart == secondStart)
        return true;
    return firstStart < secondStart ? secondStart - firstStart < firstBytes
                                    : firstStart - secondStart < secondBytes;
}
