// Two-byte characters: the lead-byte test and the operations that step over them.
#include "PlatformScopes.h"
#include "text/FieldHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kWang = "\xA4\xFD";                         // 王
const std::string kKiu = "\xA4\x5B";                          // 久, second byte [
const std::string kYa = "\xA4\x5D";                           // 也, second byte ]
const std::string kWangXiaoMing = "\xA4\xFD\xA4\x70\xA9\xFA"; // 王小明

// The text with its brackets replaced; the counted form must agree.
std::string Replaced(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    std::vector<char> counted = buffer;
    ReplaceBrackets(buffer.data());
    ReplaceBrackets(counted.data(), text.size());
    EXPECT_EQ(counted, buffer) << text;
    return buffer.data();
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

class Big5Text : public ::testing::Test {
    AnsiCodePageScope codePage{950};
};

class VietnameseText : public ::testing::Test {
    AnsiCodePageScope codePage{1258};
};

TEST_F(Big5Text, LeadBytesStartTwoByteCharacters) {
    EXPECT_TRUE(IsDoubleByteStart("\xA4\xFD"));
    EXPECT_TRUE(IsDoubleByteStart("\x81\x40"));
    EXPECT_TRUE(IsDoubleByteStart("\xFE\x40"));
    EXPECT_FALSE(IsDoubleByteStart("A"));
    EXPECT_FALSE(IsDoubleByteStart("\x80"));
    EXPECT_FALSE(IsDoubleByteStart("\xFF"));
    EXPECT_FALSE(IsDoubleByteStart(""));
    EXPECT_FALSE(IsDoubleByteStart(nullptr));
}

TEST(IsDoubleByteStart, FollowsTheActiveCodePage) {
    AnsiCodePageScope shiftJis(932);
    EXPECT_TRUE(IsDoubleByteStart("\x82\xA0"));
    EXPECT_FALSE(IsDoubleByteStart("\xA4")); // a half-width katakana in this code page
}

TEST_F(VietnameseText, BaseAndComposingToneMarkAreOneCharacter) {
    EXPECT_TRUE(IsDoubleByteStart("A\xD2"));
    EXPECT_TRUE(IsDoubleByteStart("\xE2\xEC"));
    EXPECT_FALSE(IsDoubleByteStart("B\xD2")); // no B with hook above
    EXPECT_FALSE(IsDoubleByteStart("A"));
    EXPECT_FALSE(IsDoubleByteStart("\xEC"));
    EXPECT_FALSE(IsDoubleByteStart("\xA4\xFD"));
}

TEST_F(Big5Text, BracketsAroundANameBecomeParentheses) {
    EXPECT_EQ(Replaced("[" + kWangXiaoMing + "]"), "(" + kWangXiaoMing + ")");
    EXPECT_EQ(Replaced("a[b]c]["), "a(b)c)(");
}

TEST_F(Big5Text, SecondBytesThatLookLikeBracketsStay) {
    EXPECT_EQ(Replaced(kKiu + kYa), kKiu + kYa);
    EXPECT_EQ(Replaced("[" + kKiu + "]" + kYa + "["), "(" + kKiu + ")" + kYa + "(");
}

TEST_F(Big5Text, LeadByteRightBeforeTheTerminatorEndsTheWalk) {
    char buffer[] = "[x\xA4\0]";
    ReplaceBrackets(buffer);
    EXPECT_STREQ(buffer, "(x\xA4");
    EXPECT_EQ(buffer[4], ']'); // the byte past the terminator was not reached
    ReplaceBrackets(nullptr);
}

TEST_F(VietnameseText, BracketsFollowTheVietnameseCharacters) {
    EXPECT_EQ(Replaced("[A\xEC]"), "(A\xEC)");
    EXPECT_EQ(Replaced(kKiu + kYa), "\xA4(\xA4)"); // 0xA4 is no lead byte here
}

TEST_F(Big5Text, ClipKeepsWholeCharacters) {
    EXPECT_EQ(ClipToCharBoundary(Repeat(kWang, 16).c_str(), 30), 30);
    EXPECT_EQ(ClipToCharBoundary(("a" + Repeat(kWang, 16)).c_str(), 30), 29);
    EXPECT_EQ(ClipToCharBoundary(std::string(40, 'x').c_str(), 30), 30);
    EXPECT_EQ(ClipToCharBoundary((std::string(29, 'x') + kYa + "yy").c_str(), 30), 29);
    EXPECT_EQ(ClipToCharBoundary((std::string(28, 'x') + kYa + "yy").c_str(), 30), 30);
}

TEST_F(VietnameseText, ClipKeepsToneMarksWithTheirLetters) {
    EXPECT_EQ(ClipToCharBoundary((std::string(29, 'x') + "A\xEC" + "yy").c_str(), 30), 29);
    EXPECT_EQ(ClipToCharBoundary((std::string(29, 'x') + "B\xD2" + "yy").c_str(), 30), 30);
}

TEST_F(Big5Text, ClipNeverGivesAPlaceOutsideTheText) {
    const std::string name = Repeat(kWang, 16);
    EXPECT_EQ(ClipToCharBoundary(name.c_str(), 0), 0);
    EXPECT_EQ(ClipToCharBoundary(name.c_str(), -5), 0);
    EXPECT_EQ(ClipToCharBoundary(nullptr, 30), 0);
    // Shorter than the limit: the text's own end, also after a lone lead byte.
    EXPECT_EQ(ClipToCharBoundary("abc", 30), 3);
    EXPECT_EQ(ClipToCharBoundary("ab\xA4", 30), 3);
    EXPECT_EQ(ClipToCharBoundary("", 30), 0);
}

} // namespace
