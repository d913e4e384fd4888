// The three settings that the writer turns from texts into record members, applied to a record
// of arbitrary bytes. Input: the record's 236 bytes, the text, then (from the end) the setting
// and the format version.
#include "FuzzSupport.h"
#include "speeddial/RelaySetting.h"
#include "speeddial/SecretSettings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

namespace {

constexpr std::array<int32_t, 7> kVersions = {0, 1, 2, 3, 5, 6, -1};

// The bytes a setting may change: [first, end).
struct ByteRange {
    std::size_t first;
    std::size_t end;
};

constexpr ByteRange kRelayBlock = {offsetof(SpeedDialRecord, relayStation),
                                   offsetof(SpeedDialRecord, speedDialNumber)};
constexpr ByteRange kConfidentialMembers = {offsetof(SpeedDialRecord, confidentialBox),
                                            offsetof(SpeedDialRecord, reserved78)};
constexpr ByteRange kFCodeMembers = {offsetof(SpeedDialRecord, fcodeSubaddress),
                                     offsetof(SpeedDialRecord, reserved234)};

void CheckOutsideUnchanged(const SpeedDialRecord& before, const SpeedDialRecord& after,
                           ByteRange changeable) {
    const auto* old = reinterpret_cast<const unsigned char*>(&before);
    const auto* now = reinterpret_cast<const unsigned char*>(&after);
    for (std::size_t at = 0; at < sizeof(SpeedDialRecord); ++at)
        if (at < changeable.first || at >= changeable.end)
            FUZZ_REQUIRE(old[at] == now[at]);
}

// The text as the settings read it: up to its first zero byte.
std::string_view Effective(std::string_view text) {
    return text.substr(0, std::min(text.size(), text.find('\0')));
}

bool IsDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void CheckRelay(const SpeedDialRecord& record, std::string_view text, int result) {
    FUZZ_REQUIRE(TerminatedWithin(record.relayStation));
    FUZZ_REQUIRE(record.relayOption == (Effective(text).starts_with('P') ? '1' : '0'));
    FUZZ_REQUIRE(record.relayTargetCount >= 0 &&
                 record.relayTargetCount <= static_cast<int32_t>(kRelayTargetSlots));
    const auto count = static_cast<std::size_t>(record.relayTargetCount);
    for (std::size_t slot = 0; slot < kRelayTargetSlots; ++slot) {
        const char* code = record.relayTargets[slot];
        if (slot < count) // stored codes are three bytes with no terminator inside
            FUZZ_REQUIRE(std::find(code, code + kRelayTargetCodeSize, '\0') ==
                         code + kRelayTargetCodeSize);
        else
            FUZZ_REQUIRE(std::all_of(code, code + kRelayTargetCodeSize,
                                     [](char byte) { return byte == '\0'; }));
    }
    FUZZ_REQUIRE(std::all_of(std::begin(record.reserved148), std::end(record.reserved148),
                             [](char byte) { return byte == '\0'; }));
    const std::string_view station = MemberText(record.relayStation);
    FUZZ_REQUIRE(station.size() <= 2 && IsDigits(station));
    FUZZ_REQUIRE(result == (count > 0 && !station.empty() ? 1 : 0));
}

void CheckConfidential(const SpeedDialRecord& record, int result) {
    FUZZ_REQUIRE(TerminatedWithin(record.confidentialBox));
    FUZZ_REQUIRE(TerminatedWithin(record.confidentialPassword));
    const std::size_t password = MemberText(record.confidentialPassword).size();
    FUZZ_REQUIRE(result == 0 || result == 1);
    if (result == 1)
        FUZZ_REQUIRE(record.confidentialBox[0] != '\0' && (password == 0 || password == 4));
}

void CheckFCode(const SpeedDialRecord& record, std::string_view text, int32_t version) {
    FUZZ_REQUIRE(TerminatedWithin(record.fcodeSubaddress));
    FUZZ_REQUIRE(TerminatedWithin(record.fcodePassword));
    if (version == 0)
        return; // masked as a whole
    // In clear: the sub-address is the text up to the first colon, cut to the member.
    const std::string_view clear = Effective(text);
    const std::string_view subaddress = clear.substr(0, clear.find(':'));
    FUZZ_REQUIRE(MemberText(record.fcodeSubaddress) ==
                 subaddress.substr(0, sizeof record.fcodeSubaddress - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int setting = input.ConsumeIntegralInRange(0, 2);
    const int32_t version = input.PickValueInArray(kVersions);
    SpeedDialRecord record;
    const std::string bytes = input.ConsumeBytesAsString(sizeof record);
    std::memset(&record, 0x5A, sizeof record);
    std::memcpy(&record, bytes.data(), bytes.size());
    const std::string text = input.ConsumeRemainingBytesAsString();

    const SpeedDialRecord before = record;
    switch (setting) {
    case 0: {
        const int result = ApplyRelaySetting(record, text);
        CheckOutsideUnchanged(before, record, kRelayBlock);
        CheckRelay(record, text, result);
        break;
    }
    case 1: {
        const int result = ApplyConfidentialSetting(record, text, version);
        CheckOutsideUnchanged(before, record, kConfidentialMembers);
        CheckConfidential(record, result);
        break;
    }
    default:
        ApplyFCodeSetting(record, text, version);
        CheckOutsideUnchanged(before, record, kFCodeMembers);
        CheckFCode(record, text, version);
        break;
    }
    return 0;
}
