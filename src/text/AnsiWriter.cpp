#include "text/AnsiWriter.h"

#include "platform/CodePages.h"
#include "text/CodePageConversion.h"
#include "text/NumberCharacters.h"

#include <climits>

namespace {

constexpr std::uint32_t kCodePageUtf7 = 65000;

char32_t CharacterOf(const char16_t (&pair)[2]) {
    return 0x10000 + ((pair[0] - 0xD800u) << 10) + (pair[1] - 0xDC00u);
}

} // namespace

AnsiWriter::AnsiWriter()
    : codePage_(platform::AnsiCodePage()),
      utf_(codePage_ == platform::kCodePageUtf8 || codePage_ == kCodePageUtf7),
      flags_(utf_ ? 0 : platform::kWcNoBestFitChars) {}

int AnsiWriter::JoinUnmappablePairs(char16_t* units, int count) {
    if (utf_)
        return count; // UTF-8 and UTF-7 hold every character
    int kept = 0;
    for (int read = 0; read < count; ++read) {
        if (units[read] >= 0xA0 && NumberStandIn(units[read]) != 0) {
            const std::optional<bool> held = Holds(units[read], &units[read], 1);
            if (!held)
                return -1;
            units[kept] = *held ? units[read] : static_cast<char16_t>(NumberStandIn(units[read]));
            ++kept;
            continue;
        }
        if (read + 1 < count && IsHighSurrogate(units[read]) && IsLowSurrogate(units[read + 1])) {
            const char16_t pair[2] = {units[read], units[read + 1]};
            ++read;
            const std::optional<bool> held = Holds(CharacterOf(pair), pair, 2);
            if (!held)
                return -1;
            if (*held) {
                units[kept++] = pair[0];
                units[kept++] = pair[1];
            } else {
                units[kept++] = kInvalidUnit;
            }
            continue;
        }
        units[kept++] = units[read];
    }
    return kept;
}

long long AnsiWriter::Convert(const char16_t* units, int count, char* target,
                              std::size_t room) const {
    std::size_t written = 0;
    int start = 0;
    while (start < count) {
        int end = start;
        while (end < count && units[end] != u'\0')
            ++end;
        if (end > start) {
            // A limit of 0 would only measure: a full target is a failure here.
            const std::size_t left = target ? room - written : 0;
            if (target && left == 0)
                return -1;
            const int limit = left > INT_MAX ? INT_MAX : static_cast<int>(left);
            const int bytes =
                WideToCodePage(platform::kCodePageAnsi, flags_, units + start, end - start,
                               target ? target + written : nullptr, limit, nullptr, nullptr);
            if (bytes <= 0)
                return -1;
            written += static_cast<std::size_t>(bytes);
        }
        if (end < count) {
            if (target) {
                if (written == room)
                    return -1;
                target[written] = '\0';
            }
            ++written;
        }
        start = end + 1;
    }
    return static_cast<long long>(written);
}

std::optional<bool> AnsiWriter::Holds(char32_t character, const char16_t* units, int count) {
    KnownCharacter& known = known_[character % known_.size()];
    if (known.character == character)
        return known.maps;
    char bytes[16];
    bool usedDefault = false;
    const int length = WideToCodePage(platform::kCodePageAnsi, flags_, units, count, bytes,
                                      sizeof bytes, nullptr, &usedDefault);
    if (length <= 0)
        return std::nullopt;
    known = {character, !usedDefault};
    return known.maps;
}
