// The speed-dial record: one entry of an EWS-CSV file. It is written to the exchange file
// unchanged, so its layout is a file format: 236 bytes, 32-bit little-endian integers,
// zero-terminated texts in the ANSI code page.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

inline constexpr std::size_t kRelayTargetSlots = 20;
inline constexpr std::size_t kRelayTargetCodeSize = 3;

// Values of `transmitType`.
inline constexpr char kTransmitOrdinary = '0';
inline constexpr char kTransmitRelay = '1';
inline constexpr char kTransmitConfidential = '4';
inline constexpr char kTransmitRelayAndConfidential = '\0'; // settled when written

struct SpeedDialRecord {
    char name[31];
    char faxNumber[31];
    char reserved62[2];
    int32_t commMode; // 0, 1 or 2
    char transmitType;
    char confidentialBox[4];
    char confidentialPassword[5];
    char reserved78[2];
    char relayStation[3];
    char relayOption; // '0', or '1' for a relay text that began with P
    int32_t relayTargetCount;
    char relayTargets[kRelayTargetSlots][kRelayTargetCodeSize]; // no terminators
    char reserved148[40];
    int32_t speedDialNumber; // kept as memo data, else 0
    char fcodeSubaddress[21];
    char fcodePassword[21];
    char reserved234[2];
};

static_assert(std::endian::native == std::endian::little, "records are written as they lie");
static_assert(sizeof(SpeedDialRecord) == 236);
static_assert(offsetof(SpeedDialRecord, name) == 0);
static_assert(offsetof(SpeedDialRecord, faxNumber) == 31);
static_assert(offsetof(SpeedDialRecord, reserved62) == 62);
static_assert(offsetof(SpeedDialRecord, commMode) == 64);
static_assert(offsetof(SpeedDialRecord, transmitType) == 68);
static_assert(offsetof(SpeedDialRecord, confidentialBox) == 69);
static_assert(offsetof(SpeedDialRecord, confidentialPassword) == 73);
static_assert(offsetof(SpeedDialRecord, reserved78) == 78);
static_assert(offsetof(SpeedDialRecord, relayStation) == 80);
static_assert(offsetof(SpeedDialRecord, relayOption) == 83);
static_assert(offsetof(SpeedDialRecord, relayTargetCount) == 84);
static_assert(offsetof(SpeedDialRecord, relayTargets) == 88);
static_assert(offsetof(SpeedDialRecord, reserved148) == 148);
static_assert(offsetof(SpeedDialRecord, speedDialNumber) == 188);
static_assert(offsetof(SpeedDialRecord, fcodeSubaddress) == 192);
static_assert(offsetof(SpeedDialRecord, fcodePassword) == 213);
static_assert(offsetof(SpeedDialRecord, reserved234) == 234);

// What every table slot holds before a line is parsed into it.
inline constexpr SpeedDialRecord recordTemplate = [] {
    SpeedDialRecord record{};
    record.transmitType = kTransmitOrdinary;
    record.relayOption = '0';
    return record;
}();

// Copies `text` up to its first zero byte, at most N - 1 bytes of it, into `member`, and
// zero-fills the rest of the member.
template <std::size_t N> void CopyToMember(char (&member)[N], std::string_view text) {
    const std::size_t end = text.find('\0');
    if (end != std::string_view::npos)
        text = text.substr(0, end);
    const std::size_t length = text.size() < N ? text.size() : N - 1;
    std::memcpy(member, text.data(), length);
    std::memset(member + length, 0, N - length);
}

// The text of a member, up to its terminator or its end.
template <std::size_t N> std::string_view MemberText(const char (&member)[N]) {
    std::size_t length = 0;
    while (length < N && member[length] != '\0')
        ++length;
    return {member, length};
}
