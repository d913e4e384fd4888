// The relay members that the writer fills from a picked entry's relay text.
#include "speeddial/RelaySetting.h"
#include "SpeedDialTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Applied {
    int result = -1;
    SpeedDialRecord record = recordTemplate;
};

Applied Apply(std::string_view text) {
    Applied applied;
    applied.result = ApplyRelaySetting(applied.record, text);
    return applied;
}

std::vector<std::string> TargetsOf(const SpeedDialRecord& record) {
    std::vector<std::string> targets;
    for (int32_t i = 0; i < record.relayTargetCount; ++i)
        targets.emplace_back(record.relayTargets[i], kRelayTargetCodeSize);
    return targets;
}

using Codes = std::vector<std::string>;

TEST(PadWithZeros, PadsOnTheLeftUpToTheWidth) {
    char text[4] = "5";
    PadWithZeros(text, 1, 3);
    EXPECT_STREQ(text, "005");
    char two[4] = "#1";
    PadWithZeros(two, 2, 3);
    EXPECT_STREQ(two, "0#1");
    char full[4] = "123";
    PadWithZeros(full, 3, 3);
    EXPECT_STREQ(full, "123");
    char empty[4] = "";
    PadWithZeros(empty, 0, 3);
    EXPECT_STREQ(empty, "000");
}

TEST(PadWithZeros, NeverWritesPastTheBuffer) {
    std::array<char, 6> buffer{'7', '\0', '#', '#', '#', '#'};
    PadWithZeros(std::span<char>(buffer.data(), 3), 1, 3); // no room for 3 bytes and a terminator
    EXPECT_EQ(std::string(buffer.data(), 6), std::string("7\0####", 6));
}

TEST(ApplyRelaySetting, StationOptionAndTargets) {
    const Applied applied = Apply("12/05/#1");
    EXPECT_EQ(applied.result, 1);
    ExpectSameRecord(applied.record, RecordBuilder().Station("12").Targets({"005", "0#1"}));

    const Applied withOption = Apply("P12/05");
    EXPECT_EQ(withOption.result, 1);
    ExpectSameRecord(withOption.record, RecordBuilder().Station("12").Option('1').Targets({"005"}));
}

TEST(ApplyRelaySetting, AStationWithoutTargetsIsNoRelaySetting) {
    for (const char* text : {"12/", "12", "P12", "12//"}) {
        const Applied applied = Apply(text);
        EXPECT_EQ(applied.result, 0) << text;
        EXPECT_EQ(MemberText(applied.record.relayStation), "12") << text;
        EXPECT_EQ(applied.record.relayTargetCount, 0) << text;
    }
}

TEST(ApplyRelaySetting, TheStationIsCutToTwoBytesBeforeItIsTested) {
    EXPECT_EQ(MemberText(Apply("123/05").record.relayStation), "12");
    EXPECT_EQ(MemberText(Apply("100/05").record.relayStation), "10");
    EXPECT_EQ(MemberText(Apply("7/05").record.relayStation), "7");
    EXPECT_EQ(MemberText(Apply("07/05").record.relayStation), "07");
    EXPECT_EQ(MemberText(Apply("99/05").record.relayStation), "99");
    for (const char* text : {"0/05", "00/05", "ab/05", "/05", "1a/05", " 1/05"}) {
        const Applied applied = Apply(text);
        EXPECT_EQ(applied.result, 0) << text;
        EXPECT_EQ(MemberText(applied.record.relayStation), "") << text;
        EXPECT_EQ(TargetsOf(applied.record), (Codes{"005"})) << text; // stored all the same
    }
}

TEST(ApplyRelaySetting, TargetsThatAreSkipped) {
    const Applied applied = Apply("12/*5/a/#10/#0/*1/#/1a/0a");
    EXPECT_EQ(applied.result, 0);
    EXPECT_EQ(applied.record.relayTargetCount, 0);
}

TEST(ApplyRelaySetting, TargetsThatAreStoredPadded) {
    const Applied applied = Apply("12/*/**/1*/9/0/000/#9/0#1/a*/0123");
    EXPECT_EQ(applied.result, 1);
    EXPECT_EQ(TargetsOf(applied.record),
              (Codes{"00*", "0**", "01*", "009", "000", "000", "0#9", "0#1", "0a*", "012"}));
}

TEST(ApplyRelaySetting, ThreeSignificantCharactersAreNoTargetCode) {
    // Cut to two for the test, they would leave a terminator inside the 3-byte code.
    const Applied applied = Apply("12/123/1*5/**5/05");
    EXPECT_EQ(TargetsOf(applied.record), (Codes{"005"}));
    for (int32_t i = 0; i < applied.record.relayTargetCount; ++i)
        EXPECT_EQ(std::memchr(applied.record.relayTargets[i], '\0', kRelayTargetCodeSize), nullptr);
}

TEST(ApplyRelaySetting, AtMostTwentyTargetsAndSkippedItemsDoNotCount) {
    std::string text = "P5";
    for (int i = 1; i <= 30; ++i)
        text += "/" + std::to_string(i % 10) + (i % 3 == 0 ? "x" : "");
    const Applied applied = Apply(text);
    EXPECT_EQ(applied.result, 1);
    EXPECT_EQ(applied.record.relayTargetCount, 20);
    const Codes targets = TargetsOf(applied.record);
    EXPECT_EQ(targets.front(), "001");
    EXPECT_EQ(targets[2], "004");     // 3x was skipped
    EXPECT_EQ(targets.back(), "009"); // the 20th stored target is item 29
}

TEST(ApplyRelaySetting, AnyLengthOfTextStaysWithinTheRecord) {
    std::string text = "12";
    for (int i = 0; i < 5000; ++i)
        text += "/0123456789";
    const Applied applied = Apply(text);
    EXPECT_EQ(applied.result, 1);
    EXPECT_EQ(applied.record.relayTargetCount, 20);
    EXPECT_EQ(TargetsOf(applied.record).back(), "012");
    EXPECT_EQ(applied.record.speedDialNumber, 0);
    EXPECT_EQ(MemberText(applied.record.fcodeSubaddress), "");
}

TEST(ApplyRelaySetting, ResetsTheWholeRelayBlockFirst) {
    SpeedDialRecord record = recordTemplate;
    std::memset(reinterpret_cast<char*>(&record) + 80, 'x', 108);
    CopyToMember(record.name, "kept");
    record.speedDialNumber = 42;
    EXPECT_EQ(ApplyRelaySetting(record, ""), 0);
    ExpectSameRecord(record, RecordBuilder().Name("kept").SpeedDialNumber(42));
}

} // namespace
