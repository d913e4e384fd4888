// Code page 1258 to UTF-16: a base letter and its tone-mark byte become one precomposed unit.
#include "text/CodePageConversion.h"

#include "platform/CodePages.h"
#include "text/BufferOverlap.h"
#include "text/Cp1258Tables.h"

#include <cstring>

namespace {

// How far the source reaches: the bytes to convert, and whether a terminator ends them.
struct SourceExtent {
    std::size_t length;
    bool terminated;
};

SourceExtent MeasureSource(const char* source, int sourceLength) {
    if (sourceLength == -1)
        return {std::strlen(source), true};
    const auto count = static_cast<std::size_t>(sourceLength);
    const void* zero = std::memchr(source, '\0', count);
    if (!zero)
        return {count, false};
    return {static_cast<std::size_t>(static_cast<const char*>(zero) - source), true};
}

} // namespace

int Cp1258ToWide(std::uint32_t, const char* source, int sourceLength, char16_t* target,
                 int targetLength) {
    if (!source || sourceLength == 0 || sourceLength < -1)
        return 0;
    const SourceExtent extent = MeasureSource(source, sourceLength);
    const bool counting = targetLength == 0;
    if (!counting) {
        if (!target) {
            platform::SetLastError(platform::kErrorInsufficientBuffer);
            return 0;
        }
        // Writing over the bytes still to be read would convert corrupted text.
        const std::size_t targetBytes =
            targetLength > 0 ? static_cast<std::size_t>(targetLength) * sizeof(char16_t) : 0;
        if (BuffersOverlap(target, targetBytes, source, extent.length + extent.terminated)) {
            platform::SetLastError(platform::kErrorInvalidParameter);
            return 0;
        }
        if (targetLength < 0)
            return 0;
    }

    int units = 0;
    std::size_t index = 0;
    while (index < extent.length) {
        char16_t unit = 0;
        std::size_t used = 1;
        // The pair's second byte must lie within the source; a terminator is no tone mark.
        if (index + 1 < extent.length && IsComposedPair(source + index, &unit))
            used = 2;
        else
            unit = Cp1258CharOf(static_cast<unsigned char>(source[index]));
        if (!counting) {
            if (units == targetLength)
                return units; // a full target is not an error
            target[units] = unit;
        }
        ++units;
        index += used;
    }
    if (extent.terminated) {
        if (counting)
            return units + 1;
        if (units < targetLength)
            target[units++] = u'\0';
    }
    return units;
}
