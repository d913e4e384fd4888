// The program's own code page 1258 conversion: tables, normalization, lengths and errors.
#include "PlatformScopes.h"
#include "text/CodePageConversion.h"
#include "text/Cp1258Tables.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

constexpr std::uint32_t kUntouched = 0xC0FFEE; // a last-error value no call sets

struct Bytes {
    int result;
    std::string text; // the first `result` bytes of the target
};

struct Units {
    int result;
    std::u16string text;
};

Bytes ToCp1258(const std::u16string& source, int targetLength = 64, bool* usedDefault = nullptr,
               std::uint32_t flags = 0, const char* defaultChar = nullptr) {
    std::string target(64, '\x7E');
    const int result = WideToCp1258(flags, source.c_str(), -1, target.data(), targetLength,
                                    defaultChar, usedDefault);
    return {result, target.substr(0, static_cast<std::size_t>(result > 0 ? result : 0))};
}

Units ToWide(const std::string& source, int sourceLength = -1, int targetLength = 64) {
    std::u16string target(64, u'\x7E');
    const int result = Cp1258ToWide(0, source.c_str(), sourceLength, target.data(), targetLength);
    return {result, target.substr(0, static_cast<std::size_t>(result > 0 ? result : 0))};
}

using namespace std::string_literals;

TEST(Cp1258ToWide, JoinsBaseAndToneMark) {
    EXPECT_EQ(ToWide("\xE2\xEC").text, u"\u1EA5"s + u'\0');
    EXPECT_EQ(ToWide("A\xD2").text, u"\u1EA2"s + u'\0');
    EXPECT_EQ(ToWide("Vi\xEA\xF2t").text, u"Vi\u1EC7t"s + u'\0');
}

TEST(Cp1258ToWide, MarkWithoutComposedFormStaysApart) {
    EXPECT_EQ(ToWide("B\xD2").text, u"B\u0309"s + u'\0');
    EXPECT_EQ(ToWide("1\xEC").text, u"1\u0301"s + u'\0');
    EXPECT_EQ(ToWide("\xEC").text, u"\u0301"s + u'\0');
    EXPECT_EQ(ToWide("\xEC\xEC").text, u"\u0301\u0301"s + u'\0');
}

TEST(Cp1258ToWide, HighBytesAndPlainBytes) {
    EXPECT_EQ(ToWide("\x80\xE3\xFE\xC0\x81").text, u"\u20AC\u0103\u20AB\u00C0\u0081"s + u'\0');
}

TEST(Cp1258ToWide, CountedSourceEndsAtItsCountOrAZero) {
    const std::string text = "ab\0cd"s;
    Units counted = ToWide(text, 2);
    EXPECT_EQ(counted.result, 2);
    EXPECT_EQ(counted.text, u"ab");
    Units zero = ToWide(text, 5);
    EXPECT_EQ(zero.result, 3);
    EXPECT_EQ(zero.text, u"ab"s + u'\0');
    EXPECT_EQ(Cp1258ToWide(0, text.c_str(), 5, nullptr, 0), 3);
    EXPECT_EQ(Cp1258ToWide(0, text.c_str(), 2, nullptr, 0), 2);
}

TEST(Cp1258ToWide, PairMustLieWithinTheCount) {
    EXPECT_EQ(ToWide("xA\xEC", 2).text, u"xA");
    EXPECT_EQ(ToWide("xA\xEC", 3).text, u"x\u00C1");
}

TEST(Cp1258ToWide, LengthQueryCountsTheTerminator) {
    std::u16string target(4, u'\x7E');
    EXPECT_EQ(Cp1258ToWide(0,
                           "A\xEC"
                           "b",
                           -1, nullptr, 0),
              3);
    EXPECT_EQ(Cp1258ToWide(0,
                           "A\xEC"
                           "b",
                           -1, target.data(), 0),
              3);
    EXPECT_EQ(target, u"\x7E\x7E\x7E\x7E"); // nothing written
    EXPECT_EQ(Cp1258ToWide(0, "", -1, nullptr, 0), 1);
}

TEST(Cp1258ToWide, FullTargetIsNoError) {
    platform::SetLastError(kUntouched);
    Units two = ToWide("abc", -1, 2);
    EXPECT_EQ(two.result, 2);
    EXPECT_EQ(two.text, u"ab");
    Units noTerminator = ToWide("abc", -1, 3);
    EXPECT_EQ(noTerminator.result, 3);
    EXPECT_EQ(noTerminator.text, u"abc");
    EXPECT_EQ(platform::LastError(), kUntouched);
}

TEST(Cp1258ToWide, BadArguments) {
    char16_t target[8] = {};
    platform::SetLastError(kUntouched);
    EXPECT_EQ(Cp1258ToWide(0, nullptr, -1, target, 8), 0);
    EXPECT_EQ(Cp1258ToWide(0, "ab", 0, target, 8), 0);
    EXPECT_EQ(Cp1258ToWide(0, "ab", -2, target, 8), 0);
    EXPECT_EQ(Cp1258ToWide(0, "ab", INT_MIN, target, 8), 0);
    EXPECT_EQ(Cp1258ToWide(0, "ab", -1, target, -1), 0);
    EXPECT_EQ(platform::LastError(), kUntouched);

    EXPECT_EQ(Cp1258ToWide(0, "ab", -1, nullptr, 8), 0);
    EXPECT_EQ(platform::LastError(), platform::kErrorInsufficientBuffer);

    char buffer[16] = "abc";
    EXPECT_EQ(Cp1258ToWide(0, buffer, -1, reinterpret_cast<char16_t*>(buffer), 8), 0);
    EXPECT_EQ(platform::LastError(), platform::kErrorInvalidParameter);
    EXPECT_STREQ(buffer, "abc");
}

TEST(Cp1258ToWide, OverlappingTargetIsRejected) {
    alignas(char16_t) char buffer[16] = "\x7E\x7E"
                                        "abc";
    char16_t* target = reinterpret_cast<char16_t*>(buffer);
    EXPECT_EQ(Cp1258ToWide(0, buffer + 2, -1, target, 4), 0);
    EXPECT_EQ(platform::LastError(), platform::kErrorInvalidParameter);
    EXPECT_STREQ(buffer + 2, "abc");
    // Right after the source is no overlap.
    EXPECT_EQ(Cp1258ToWide(0, buffer + 2, 3, reinterpret_cast<char16_t*>(buffer + 6), 3), 3);
}

TEST(WideToCp1258, SplitsPrecomposedLetters) {
    EXPECT_EQ(ToCp1258(u"\u1EA5").text, "\xE2\xEC"s + '\0');
    EXPECT_EQ(ToCp1258(u"Vi\u1EC7t").text, "Vi\xEA\xF2t"s + '\0');
    EXPECT_EQ(ToCp1258(u"\u1FEE").text, "\xA8\xEC"s + '\0');
}

TEST(WideToCp1258, SplitsEvenWhereTheCodePageHasTheLetter) {
    EXPECT_EQ(ToCp1258(u"\u00C0\u00E9").text, "A\xCC"
                                              "e\xEC"s +
                                                  '\0');
}

TEST(WideToCp1258, HighCharactersAndLatin1) {
    EXPECT_EQ(ToCp1258(u"\u0103\u20AB\u20AC\u0301\u00C2\u00FF").text,
              "\xE3\xFE\x80\xEC\xC2\xFF"s + '\0');
}

TEST(WideToCp1258, NormalizesBeforeSplitting) {
    EXPECT_EQ(ToCp1258(u"e\u0302\u0301").text, "\xEA\xEC"s + '\0');
    EXPECT_EQ(ToCp1258(u"A\u0301").text, "A\xEC"s + '\0');
    EXPECT_EQ(ToCp1258(u"\u0385").text, "\xA8\xEC"s + '\0');
}

TEST(WideToCp1258, MissingNormalizationIsNoError) {
    MissingNormalizationScope missing;
    bool usedDefault = false;
    const Bytes bytes = ToCp1258(u"e\u0302\u0301", 64, &usedDefault);
    EXPECT_EQ(bytes.text, "e?\xEC"s + '\0'); // U+0302 is no character of the code page
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(ToCp1258(u"\u1EA5").text, "\xE2\xEC"s + '\0');
}

TEST(WideToCp1258, CountBoundsTheNormalization) {
    const std::u16string text = u"e\u0302\u0301";
    char target[8] = {};
    EXPECT_EQ(WideToCp1258(0, text.c_str(), 2, target, 8, nullptr, nullptr), 1);
    EXPECT_EQ(target[0], '\xEA');
    EXPECT_EQ(WideToCp1258(0, text.c_str(), 2, nullptr, 0, nullptr, nullptr), 1);
    EXPECT_EQ(WideToCp1258(0, text.c_str(), 3, nullptr, 0, nullptr, nullptr), 2);
}

TEST(WideToCp1258, CountedSourceEndsAtItsCountOrAZero) {
    const std::u16string text = u"ab\0cd"s;
    char target[8] = {};
    EXPECT_EQ(WideToCp1258(0, text.c_str(), 2, target, 8, nullptr, nullptr), 2);
    EXPECT_EQ(std::string(target, 3), "ab\0"s);
    EXPECT_EQ(WideToCp1258(0, text.c_str(), 5, target, 8, nullptr, nullptr), 3);
    EXPECT_EQ(WideToCp1258(0, text.c_str(), 5, nullptr, 0, nullptr, nullptr), 3);
    EXPECT_EQ(WideToCp1258(0, text.c_str(), 2, nullptr, 0, nullptr, nullptr), 2);
}

TEST(WideToCp1258, LengthQueryCountsTheTerminator) {
    char target[4] = {'\x7E', '\x7E', '\x7E', '\x7E'};
    EXPECT_EQ(WideToCp1258(0, u"\u1EA5b", -1, nullptr, 0, nullptr, nullptr), 4);
    EXPECT_EQ(WideToCp1258(0, u"\u1EA5b", -1, target, 0, nullptr, nullptr), 4);
    EXPECT_EQ(std::string(target, 4), "\x7E\x7E\x7E\x7E");
    EXPECT_EQ(WideToCp1258(0, u"", -1, nullptr, 0, nullptr, nullptr), 1);
}

TEST(WideToCp1258, OneByteOfRoomTakesTheBaseByteOnly) {
    const Bytes bytes = ToCp1258(u"x\u1EA5yz", 2);
    EXPECT_EQ(bytes.result, 2);
    EXPECT_EQ(bytes.text, "x\xE2");
    EXPECT_EQ(ToCp1258(u"\u1EA5", 1).text, "\xE2");
}

TEST(WideToCp1258, FullTargetIsNoError) {
    platform::SetLastError(kUntouched);
    EXPECT_EQ(ToCp1258(u"abc", 2).text, "ab");
    EXPECT_EQ(ToCp1258(u"abc", 3).text, "abc"); // no room for the terminator
    EXPECT_EQ(ToCp1258(u"\u1EA5", 2).text, "\xE2\xEC");
    EXPECT_EQ(platform::LastError(), kUntouched);
}

TEST(WideToCp1258, DefaultCharacterForWhatTheCodePageLacks) {
    bool usedDefault = true;
    EXPECT_EQ(ToCp1258(u"a\u4E00b", 64, &usedDefault).text, "a?b"s + '\0');
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(ToCp1258(u"a\u4E00b", 64, &usedDefault, 0, "*").text, "a*b"s + '\0');
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(ToCp1258(u"\u1EA5", 64, &usedDefault).text, "\xE2\xEC"s + '\0');
    EXPECT_FALSE(usedDefault); // reset on every call
    EXPECT_EQ(WideToCp1258(0, u"a\u4E00", -1, nullptr, 0, nullptr, &usedDefault), 3);
    EXPECT_TRUE(usedDefault);
    // Latin-1 letters whose bytes stand for other characters here (a tone mark, D with stroke,
    // the dong sign) are not written as those bytes: they read back as written, or the default
    // character says they could not be.
    for (const std::u16string letter : {u"a\u00DE", u"\u00D0", u"\u00F0", u"\u00FE"}) {
        const Bytes bytes = ToCp1258(letter, 64, &usedDefault);
        EXPECT_TRUE(usedDefault || ToWide(bytes.text).text == letter + u'\0') << bytes.text;
    }
}

TEST(WideToCp1258, SurrogatesGoThroughOneUnitAtATime) {
    bool usedDefault = false;
    // A lone surrogate, a pair (U+1F600), and a lone trailing surrogate.
    const Bytes bytes = ToCp1258(u"a\xD800"
                                 u"b\U0001F600\xDC00",
                                 64, &usedDefault);
    EXPECT_EQ(bytes.text, "a?b???"s + '\0');
    EXPECT_TRUE(usedDefault);
}

TEST(WideToCp1258, PlatformFailureFailsTheWholeConversion) {
    // Flags that the platform refuses for this code page: only units that reach it fail.
    constexpr std::uint32_t kUtf8OnlyFlag = platform::kWcErrInvalidChars;
    platform::SetLastError(kUntouched);
    EXPECT_EQ(ToCp1258(u"a\u1EA5", 64, nullptr, kUtf8OnlyFlag).result, 4);
    EXPECT_EQ(platform::LastError(), kUntouched);
    const Bytes failed = ToCp1258(u"a\u4E00b", 64, nullptr, kUtf8OnlyFlag);
    EXPECT_EQ(failed.result, 0);
    EXPECT_EQ(platform::LastError(), platform::kErrorInvalidFlags);
    EXPECT_EQ(WideToCp1258(kUtf8OnlyFlag, u"a\u4E00b", -1, nullptr, 0, nullptr, nullptr), 0);
}

TEST(WideToCp1258, BadArguments) {
    char target[8] = {};
    bool usedDefault = true;
    platform::SetLastError(kUntouched);
    EXPECT_EQ(WideToCp1258(0, nullptr, -1, target, 8, nullptr, &usedDefault), 0);
    EXPECT_TRUE(usedDefault); // a null source is refused before anything else
    EXPECT_EQ(WideToCp1258(0, u"ab", 0, target, 8, nullptr, &usedDefault), 0);
    EXPECT_FALSE(usedDefault);
    EXPECT_EQ(WideToCp1258(0, u"ab", -2, target, 8, nullptr, nullptr), 0);
    EXPECT_EQ(WideToCp1258(0, u"ab", INT_MIN, target, 8, nullptr, nullptr), 0);
    EXPECT_EQ(WideToCp1258(0, u"ab", -1, target, -1, nullptr, nullptr), 0);
    EXPECT_EQ(platform::LastError(), kUntouched);

    EXPECT_EQ(WideToCp1258(0, u"ab", -1, nullptr, 8, nullptr, nullptr), 0);
    EXPECT_EQ(platform::LastError(), platform::kErrorInsufficientBuffer);

    char16_t buffer[8] = u"abc";
    EXPECT_EQ(WideToCp1258(0, buffer, -1, reinterpret_cast<char*>(buffer), 16, nullptr, nullptr),
              0);
    EXPECT_EQ(platform::LastError(), platform::kErrorInvalidParameter);
    EXPECT_EQ(std::u16string(buffer), u"abc");
}

TEST(WideToCp1258, OverlappingTargetIsRejected) {
    char16_t buffer[8] = u"abc";
    EXPECT_EQ(WideToCp1258(0, buffer, -1, reinterpret_cast<char*>(buffer) + 1, 8, nullptr, nullptr),
              0);
    EXPECT_EQ(platform::LastError(), platform::kErrorInvalidParameter);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(WideToCp1258(0, buffer, 3, reinterpret_cast<char*>(buffer + 3), 3, nullptr, nullptr),
              3);
}

TEST(Cp1258RoundTrip, EveryLetterOfTheTables) {
    for (const DecompositionEntry& entry : decompositionTable) {
        const std::u16string letter(1, entry.composed);
        const Bytes bytes = ToCp1258(letter);
        ASSERT_EQ(bytes.result, 3) << std::hex << int(entry.composed);
        EXPECT_EQ(bytes.text[0], static_cast<char>(entry.base));
        EXPECT_EQ(bytes.text[1], static_cast<char>(toneMarks[entry.tone].byte));
        if (entry.composed == 0x1FEE)
            continue; // comes back as its canonical equivalent U+0385
        EXPECT_EQ(ToWide(bytes.text).text, letter + u'\0') << std::hex << int(entry.composed);
    }
    EXPECT_EQ(ToWide("\xA8\xEC").text, u"\u0385"s + u'\0');
}

TEST(Cp1258RoundTrip, EverySingleByte) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string single(1, static_cast<char>(byte));
        const Units units = ToWide(single);
        ASSERT_EQ(units.result, 2) << byte;
        const Bytes back = ToCp1258(units.text.substr(0, 1));
        // A letter the code page also holds precomposed comes back split, and reads the same.
        if (back.result == 3)
            EXPECT_EQ(ToWide(back.text).text, units.text) << byte;
        else
            EXPECT_EQ(back.text, single + '\0') << byte;
    }
}

} // namespace
