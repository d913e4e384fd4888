// The POSIX code-page seam answers as the Win32 functions do: results, argument checks and
// last-error codes.
#include "PlatformScopes.h"
#include "platform/CodePages.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

using namespace std::string_literals;
using platform::kErrorInsufficientBuffer;
using platform::kErrorInvalidFlags;
using platform::kErrorInvalidParameter;
using platform::kErrorNoUnicodeTranslation;

std::u16string Wide(std::uint32_t codePage, const std::string& bytes, std::uint32_t flags = 0) {
    char16_t target[64] = {};
    const int length = platform::MultiByteToWide(codePage, flags, bytes.data(),
                                                 static_cast<int>(bytes.size()), target, 64);
    return std::u16string(target, static_cast<std::size_t>(length));
}

std::string Narrow(std::uint32_t codePage, const std::u16string& units, std::uint32_t flags = 0,
                   const char* defaultChar = nullptr, bool* usedDefault = nullptr) {
    char target[64] = {};
    const int length =
        platform::WideToMultiByte(codePage, flags, units.data(), static_cast<int>(units.size()),
                                  target, 64, defaultChar, usedDefault);
    return std::string(target, static_cast<std::size_t>(length));
}

TEST(MultiByteToWide, ConvertsBig5AndUtf8) {
    EXPECT_EQ(Wide(950, "\xB6\xC7\xAF\x75"), u"\u50B3\u771F");
    EXPECT_EQ(Wide(65001, "\xE5\x82\xB3\xE7\x9C\x9F"), u"\u50B3\u771F");
    EXPECT_EQ(Wide(65001, "\xF0\x9F\x98\x80"), u"\U0001F600");
}

TEST(MultiByteToWide, TerminatedSourceCountsItsTerminator) {
    char16_t target[8] = {};
    EXPECT_EQ(platform::MultiByteToWide(950, 0, "ab", -1, nullptr, 0), 3);
    EXPECT_EQ(platform::MultiByteToWide(950, 0, "ab", -1, target, 8), 3);
    EXPECT_EQ(std::u16string(target, 3), u"ab"s + u'\0');
    EXPECT_EQ(platform::MultiByteToWide(950, 0, "a\0b", 3, nullptr, 0), 3); // zeros are text
}

TEST(MultiByteToWide, CodePageZeroIsTheAnsiCodePage) {
    AnsiCodePageScope codePage(1252);
    EXPECT_EQ(Wide(0, "\xB6\xC7"), u"\u00B6\u00C7");
}

TEST(MultiByteToWide, InvalidInput) {
    EXPECT_EQ(Wide(65001, "a\xFF"), u"a\uFFFD");
    char16_t target[8] = {};
    EXPECT_EQ(platform::MultiByteToWide(65001, platform::kMbErrInvalidChars, "a\xFF", 2, target, 8),
              0);
    EXPECT_EQ(platform::LastError(), kErrorNoUnicodeTranslation);
    // A Big5 lead byte with nothing after it is the default character.
    EXPECT_EQ(platform::MultiByteToWide(950, 0, "a\xA4", -1, target, 8), 3);
    EXPECT_EQ(std::u16string(target, 3), u"a?"s + u'\0');
}

TEST(MultiByteToWide, ArgumentErrors) {
    char16_t target[2] = {};
    char buffer[8] = "ab";
    struct Case {
        const char* source;
        int sourceLength;
        char16_t* target;
        int targetLength;
        std::uint32_t codePage;
        std::uint32_t flags;
        std::uint32_t error;
    };
    const Case cases[] = {
        {nullptr, -1, target, 2, 950, 0, kErrorInvalidParameter},
        {"ab", 0, target, 2, 950, 0, kErrorInvalidParameter},
        {"ab", -2, target, 2, 950, 0, kErrorInvalidParameter},
        {"ab", -1, target, -1, 950, 0, kErrorInvalidParameter},
        {"ab", -1, nullptr, 2, 950, 0, kErrorInvalidParameter},
        {buffer, -1, reinterpret_cast<char16_t*>(buffer), 4, 950, 0, kErrorInvalidParameter},
        {"ab", -1, target, 2, 950, 0, kErrorInsufficientBuffer},
        {"ab", -1, target, 2, 12345, 0, kErrorInvalidParameter},
        {"ab", -1, target, 2, 65001, 0x01, kErrorInvalidFlags},
        {"ab", -1, target, 2, 950, 0x03, kErrorInvalidFlags},
    };
    for (const Case& c : cases) {
        platform::SetLastError(0);
        EXPECT_EQ(platform::MultiByteToWide(c.codePage, c.flags, c.source, c.sourceLength, c.target,
                                            c.targetLength),
                  0);
        EXPECT_EQ(platform::LastError(), c.error) << c.sourceLength << " " << c.targetLength;
    }
}

TEST(WideToMultiByte, ConvertsToBig5AndUtf8) {
    EXPECT_EQ(Narrow(950, u"\u50B3\u771F"), "\xB6\xC7\xAF\x75");
    EXPECT_EQ(Narrow(65001, u"\u50B3\U0001F600"), "\xE5\x82\xB3\xF0\x9F\x98\x80");
    EXPECT_EQ(platform::WideToMultiByte(950, 0, u"\u50B3", -1, nullptr, 0, nullptr, nullptr), 3);
}

TEST(WideToMultiByte, DefaultCharacter) {
    bool usedDefault = false;
    EXPECT_EQ(Narrow(950, u"a\u0E01b", 0, nullptr, &usedDefault), "a?b");
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(Narrow(950, u"a\u0E01b", 0, "\xA1\x40", &usedDefault), "a\xA1\x40"
                                                                     "b");
    EXPECT_EQ(Narrow(950, u"ab", 0, "*", &usedDefault), "ab");
    EXPECT_FALSE(usedDefault);
}

TEST(WideToMultiByte, UnpairedSurrogates) {
    bool usedDefault = false;
    EXPECT_EQ(Narrow(950,
                     u"a\xD800"
                     u"b",
                     0, nullptr, &usedDefault),
              "a?b");
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(Narrow(950, u"a\U0001F600", 0, nullptr, &usedDefault), "a??"); // one per unit
    EXPECT_EQ(Narrow(65001, u"a\xDC00"), "a\xEF\xBF\xBD");
    char target[8] = {};
    EXPECT_EQ(platform::WideToMultiByte(65001, platform::kWcErrInvalidChars, u"a\xD800", 2, target,
                                        8, nullptr, nullptr),
              0);
    EXPECT_EQ(platform::LastError(), kErrorNoUnicodeTranslation);
}

TEST(WideToMultiByte, CompositeCheckJoinsWhatTheCodePageHolds) {
    EXPECT_EQ(Narrow(1252, u"e\u0301x", platform::kWcCompositeCheck), "\xE9x");
    EXPECT_EQ(Narrow(1252, u"q\u0301", platform::kWcCompositeCheck).substr(0, 1), "q");
    EXPECT_EQ(Narrow(950, u"e\u0301", platform::kWcCompositeCheck).substr(0, 1), "e");
}

TEST(WideToMultiByte, ArgumentErrors) {
    char target[2] = {};
    bool usedDefault = false;
    char16_t buffer[8] = u"ab";
    struct Case {
        const char16_t* source;
        int sourceLength;
        char* target;
        int targetLength;
        std::uint32_t codePage;
        std::uint32_t flags;
        const char* defaultChar;
        bool* usedDefault;
        std::uint32_t error;
    };
    const Case cases[] = {
        {nullptr, -1, target, 2, 950, 0, nullptr, nullptr, kErrorInvalidParameter},
        {u"ab", 0, target, 2, 950, 0, nullptr, nullptr, kErrorInvalidParameter},
        {u"ab", -2, target, 2, 950, 0, nullptr, nullptr, kErrorInvalidParameter},
        {u"ab", -1, target, -1, 950, 0, nullptr, nullptr, kErrorInvalidParameter},
        {u"ab", -1, nullptr, 2, 950, 0, nullptr, nullptr, kErrorInvalidParameter},
        {buffer, -1, reinterpret_cast<char*>(buffer), 8, 950, 0, nullptr, nullptr,
         kErrorInvalidParameter},
        {u"ab", -1, target, 2, 950, 0, nullptr, nullptr, kErrorInsufficientBuffer},
        {u"ab", -1, target, 2, 65001, 0, "?", nullptr, kErrorInvalidParameter},
        {u"ab", -1, target, 2, 65001, 0, nullptr, &usedDefault, kErrorInvalidParameter},
        {u"ab", -1, target, 2, 65001, platform::kWcCompositeCheck, nullptr, nullptr,
         kErrorInvalidFlags},
        {u"ab", -1, target, 2, 950, platform::kWcErrInvalidChars, nullptr, nullptr,
         kErrorInvalidFlags},
        {u"ab", -1, target, 2, 12345, 0, nullptr, nullptr, kErrorInvalidParameter},
    };
    for (const Case& c : cases) {
        platform::SetLastError(0);
        EXPECT_EQ(platform::WideToMultiByte(c.codePage, c.flags, c.source, c.sourceLength, c.target,
                                            c.targetLength, c.defaultChar, c.usedDefault),
                  0);
        EXPECT_EQ(platform::LastError(), c.error) << c.codePage << " " << c.flags;
    }
}

TEST(IsLeadByte, FollowsTheCodePage) {
    EXPECT_TRUE(platform::IsLeadByte(950, 0xA4));
    EXPECT_FALSE(platform::IsLeadByte(950, 0x5B));
    EXPECT_FALSE(platform::IsLeadByte(1258, 0xA4));
    EXPECT_FALSE(platform::IsLeadByte(65001, 0xE5));
    AnsiCodePageScope codePage(1252);
    EXPECT_FALSE(platform::IsLeadByte(0, 0xA4));
    EXPECT_TRUE(platform::IsLeadByte(950, 0xA4));
}

TEST(AnsiLeadByteTable, FollowsEachChangeOfTheCodePage) {
    for (const std::uint32_t codePage : {932u, 936u, 949u, 950u, 1252u, 1258u, 932u}) {
        AnsiCodePageScope scope(codePage);
        const platform::AnsiLeadBytes& table = platform::AnsiLeadByteTable();
        EXPECT_EQ(table.codePage, codePage);
        for (unsigned byte = 0; byte < 256; ++byte)
            EXPECT_EQ(table.leads[byte], platform::IsLeadByte(codePage, byte & 0xFF))
                << codePage << " " << byte;
    }
    EXPECT_TRUE(platform::AnsiLeadByteTable().leads[0xA4]); // back to 950
}

TEST(FormCNormalizer, ComposesAndReportsSizes) {
    const platform::FormCNormalizer normalizer;
    ASSERT_TRUE(normalizer.Available());
    const char16_t text[] = u"e\u0302\u0301x";
    EXPECT_GE(normalizer.Normalize(text, -1, nullptr, 0), 3);
    char16_t target[8] = {};
    EXPECT_EQ(normalizer.Normalize(text, -1, target, 8), 3);
    EXPECT_EQ(std::u16string(target, 3), u"\u1EBFx"s + u'\0');
    EXPECT_EQ(normalizer.Normalize(text, 3, target, 8), 1); // counted: no terminator

    EXPECT_LT(normalizer.Normalize(text, -1, target, 2), 0);
    EXPECT_EQ(platform::LastError(), kErrorInsufficientBuffer);
    EXPECT_GT(normalizer.Normalize(u"a\xD800", -1, nullptr, 0), 0); // estimates don't look
    EXPECT_LE(normalizer.Normalize(u"a\xD800", -1, target, 8), 0);
    EXPECT_EQ(platform::LastError(), kErrorNoUnicodeTranslation);
    EXPECT_EQ(normalizer.Normalize(text, 0, target, 8), 0);
    EXPECT_EQ(platform::LastError(), platform::kErrorSuccess);
}

TEST(FormCNormalizer, CanBeMissing) {
    MissingNormalizationScope missing;
    const platform::FormCNormalizer normalizer;
    EXPECT_FALSE(normalizer.Available());
    char16_t target[8] = {};
    EXPECT_EQ(normalizer.Normalize(u"a", -1, target, 8), 0);
}

TEST(LastError, BelongsToTheThread) {
    platform::SetLastError(kErrorInvalidParameter);
    std::thread other([] { platform::SetLastError(kErrorInsufficientBuffer); });
    other.join();
    EXPECT_EQ(platform::LastError(), kErrorInvalidParameter);
}

} // namespace
