#include "text/Utf8Validation.h"

#include "text/AsciiRuns.h"

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence that starts at `text`, or 0 when it is not well-formed. The
// second byte's range rules out overlong forms, surrogates and code points above U+10FFFF.
std::size_t SequenceLength(const unsigned char* text, std::size_t available) {
    const unsigned char lead = text[0];
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (available < length || text[1] < low || text[1] > high)
        return 0;
    for (std::size_t index = 2; index < length; ++index) {
        if (!IsContinuation(text[index]))
            return 0;
    }
    return length;
}

} // namespace

bool IsWellFormedUtf8(const char* text, std::size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t position = 0;
    while (position < size) {
        position += AsciiRunLength(bytes + position, size - position);
        if (position == size)
            break;
        const std::size_t length = SequenceLength(bytes + position, size - position);
        if (length == 0)
            return false;
        position += length;
    }
    return true;
}

bool HasNonAsciiByte(const char* text, std::size_t size) {
    return AsciiRunLength(reinterpret_cast<const unsigned char*>(text), size) < size;
}
