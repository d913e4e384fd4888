#include "text/DoubleByteValidation.h"

#include "platform/CodePages.h"
#include "text/AsciiRuns.h"

#include <array>

namespace {

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

} // namespace

bool IsTrailByte(std::uint32_t codePage, unsigned char byte) {
    // The trail ranges of the double-byte ANSI code pages; the system API does not tell them.
    switch (codePage) {
    case 932: // Japanese
        return InRange(byte, 0x40, 0x7E) || InRange(byte, 0x80, 0xFC);
    case 936: // Simplified Chinese
        return InRange(byte, 0x40, 0x7E) || InRange(byte, 0x80, 0xFE);
    case 949: // Korean
        return InRange(byte, 0x41, 0x5A) || InRange(byte, 0x61, 0x7A) || InRange(byte, 0x81, 0xFE);
    case 950: // Traditional Chinese (Big5)
        return InRange(byte, 0x40, 0x7E) || InRange(byte, 0xA1, 0xFE);
    default: // any other double-byte code page: no trail byte is below 0x40
        return InRange(byte, 0x40, 0xFE);
    }
}

bool FollowsDoubleByteRules(const char* text, std::size_t size, std::uint32_t codePage) {
    std::array<bool, 256> leads{}; // no code page has a lead byte below 0x80
    bool anyLead = false;
    for (std::size_t byte = 0x80; byte < leads.size(); ++byte) {
        leads[byte] = platform::IsLeadByte(codePage, static_cast<unsigned char>(byte));
        anyLead = anyLead || leads[byte];
    }
    if (!anyLead)
        return true;
    std::array<bool, 256> trails{};
    for (std::size_t byte = 0; byte < trails.size(); ++byte)
        trails[byte] = IsTrailByte(codePage, static_cast<unsigned char>(byte));

    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t position = 0;
    while (position < size) {
        position += AsciiRunLength(bytes + position, size - position);
        if (position == size)
            break;
        if (!leads[bytes[position]]) {
            ++position;
            continue;
        }
        if (position + 1 == size || !trails[bytes[position + 1]])
            return false;
        position += 2;
    }
    return true;
}
