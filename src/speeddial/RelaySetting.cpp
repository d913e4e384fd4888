#include "speeddial/RelaySetting.h"

#include "speeddial/Numbers.h"

#include <cstring>

namespace {

constexpr std::size_t kStationDigits = 2;
constexpr int32_t kHighestStation = 99;
constexpr int32_t kHighestHashTarget = 9;

void ResetRelayBlock(SpeedDialRecord& record) {
    std::memset(record.relayStation, 0, sizeof record.relayStation);
    record.relayOption = '0';
    record.relayTargetCount = 0;
    std::memset(record.relayTargets, 0, sizeof record.relayTargets);
    std::memset(record.reserved148, 0, sizeof record.reserved148);
}

// Whether a target code, padded to 3 bytes, is one the fax application dials: all zeros, a
// '#' with a digit from 1 to 9, or at most two significant characters that are digits
// (the second may be '*') or stars. Cutting its significant part to two characters must not
// shorten it: that would leave a terminator inside the stored code.
bool AcceptTarget(char (&code)[kRelayTargetCodeSize + 1]) {
    char* rest = code;
    while (*rest == '0')
        ++rest;
    if (*rest == '\0')
        return true;
    if (*rest == '#') {
        const int32_t value = DigitValue(rest + 1);
        return value >= 1 && value <= kHighestHashTarget;
    }
    if (std::strlen(rest) > 2)
        return false;
    const std::string_view significant(rest);
    if (significant == "*" || significant == "**")
        return true;
    if (rest[0] == '*')
        return false;
    return rest[1] == '*' || DigitValue(significant) >= 1;
}

void StoreTargets(SpeedDialRecord& record, std::string_view targets) {
    std::size_t stored = 0;
    while (stored < kRelayTargetSlots) {
        const std::size_t slash = targets.find('/');
        const std::string_view item = targets.substr(0, slash).substr(0, kRelayTargetCodeSize);
        if (!item.empty()) {
            char code[kRelayTargetCodeSize + 1] = {};
            std::memcpy(code, item.data(), item.size());
            PadWithZeros(code, item.size(), kRelayTargetCodeSize);
            if (AcceptTarget(code))
                std::memcpy(record.relayTargets[stored++], code, kRelayTargetCodeSize);
        }
        if (slash == std::string_view::npos)
            break;
        targets.remove_prefix(slash + 1);
    }
    record.relayTargetCount = static_cast<int32_t>(stored);
}

} // namespace

void PadWithZeros(std::span<char> text, std::size_t length, std::size_t width) {
    if (length >= width || width >= text.size())
        return;
    const std::size_t shift = width - length;
    std::memmove(text.data() + shift, text.data(), length);
    std::memset(text.data(), '0', shift);
    text[width] = '\0';
}

int ApplyRelaySetting(SpeedDialRecord& record, std::string_view text) {
    ResetRelayBlock(record);
    text = text.substr(0, text.find('\0'));
    if (text.empty())
        return 0;
    if (text.front() == 'P') {
        record.relayOption = '1';
        text.remove_prefix(1);
    }
    const std::size_t slash = text.find('/');
    const std::string_view station = text.substr(0, slash).substr(0, kStationDigits);
    const int32_t value = DigitValue(station);
    if (value >= 1 && value <= kHighestStation)
        CopyToMember(record.relayStation, station);
    if (slash != std::string_view::npos)
        StoreTargets(record, text.substr(slash + 1));
    return record.relayTargetCount > 0 && record.relayStation[0] != '\0' ? 1 : 0;
}
