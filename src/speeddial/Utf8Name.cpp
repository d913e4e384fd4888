#include "speeddial/Utf8Name.h"

#include "platform/CodePages.h"
#include "text/CodePageConversion.h"

#include <new>
#include <string>

namespace {

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// UTF-8 to UTF-16 into `wide`, zero-terminated. A text that needs more units is cut at a
// character start before conversion: every UTF-8 byte gives at most one unit, so a start of
// kNameWideUnits - 1 bytes always fits.
bool ToWide(const char* field, char16_t (&wide)[kNameWideUnits]) {
    const int needed =
        CodePageToWide(platform::kCodePageUtf8, 0, field, -1, nullptr, 0); // with terminator
    if (needed <= 0)
        return false;
    if (static_cast<std::size_t>(needed) <= kNameWideUnits)
        return CodePageToWide(platform::kCodePageUtf8, 0, field, -1, wide, kNameWideUnits) > 0;
    // A UTF-8 character has at most three continuation bytes.
    std::size_t bytes = kNameWideUnits - 1;
    for (int step = 0; step < 3 && IsContinuationByte(field[bytes]); ++step)
        --bytes;
    const int units = CodePageToWide(platform::kCodePageUtf8, 0, field, static_cast<int>(bytes),
                                     wide, kNameWideUnits - 1);
    if (units <= 0)
        return false;
    wide[units] = u'\0';
    return true;
}

int AnsiBytesFor(const char16_t* wide, int units) {
    return WideToCodePage(platform::kCodePageAnsi, platform::kWcCompositeCheck, wide, units,
                          nullptr, 0, nullptr, nullptr);
}

// UTF-16 to the ANSI code page, zero-terminated. When the whole text does not fit, the
// longest start of it (halving, never between the two units of a surrogate pair) that does.
bool ToAnsi(const char16_t* wide, std::span<char, kNameAnsiBytes> name) {
    const int needed = AnsiBytesFor(wide, -1); // with terminator
    if (needed <= 0)
        return false;
    if (static_cast<std::size_t>(needed) <= name.size())
        return WideToCodePage(platform::kCodePageAnsi, platform::kWcCompositeCheck, wide, -1,
                              name.data(), static_cast<int>(name.size()), nullptr, nullptr) > 0;
    int units = static_cast<int>(std::char_traits<char16_t>::length(wide));
    const int room = static_cast<int>(name.size()) - 1;
    int bytes = 0;
    do {
        units /= 2;
        if (units > 0 && IsHighSurrogate(wide[units - 1]))
            --units;
        if (units == 0)
            return false;
        bytes = AnsiBytesFor(wide, units);
    } while (bytes <= 0 || bytes > room);
    const int written = WideToCodePage(platform::kCodePageAnsi, platform::kWcCompositeCheck, wide,
                                       units, name.data(), room, nullptr, nullptr);
    if (written <= 0 || written > room)
        return false;
    name[static_cast<std::size_t>(written)] = '\0';
    return true;
}

} // namespace

bool ConvertUtf8Name(const char* field, std::span<char, kNameAnsiBytes> name) {
    name[0] = '\0';
    if (!field || *field == '\0')
        return true;
    char16_t wide[kNameWideUnits] = {};
    platform::SetLastError(platform::kErrorSuccess); // only this conversion's errors count
    if (ToWide(field, wide) && ToAnsi(wide, name))
        return true;
    name[0] = '\0';
    if (platform::IsMemoryShortage(platform::LastError()))
        throw std::bad_alloc(); // the name is not invalid, and must not pass for an empty one
    return false;
}
