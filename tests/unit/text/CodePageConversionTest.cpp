// The converters hand every code page but 1258 to the platform unchanged.
#include "text/CodePageConversion.h"
#include "PlatformScopes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

struct Outcome {
    int result;
    std::u16string wide;
    std::string narrow;
    std::uint32_t error;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << "result " << outcome.result << ", error " << outcome.error;
}

struct ToWideCall {
    std::uint32_t codePage;
    std::uint32_t flags;
    std::string source;
    int sourceLength;
    int targetLength;
};

template <typename Convert> Outcome RunToWide(const ToWideCall& call, Convert convert) {
    std::u16string target(8, u'\x7E');
    platform::SetLastError(0);
    const int result = convert(call.codePage, call.flags, call.source.c_str(), call.sourceLength,
                               call.targetLength > 0 ? target.data() : nullptr, call.targetLength);
    return {result, target, "", platform::LastError()};
}

struct ToNarrowCall {
    std::uint32_t codePage;
    std::uint32_t flags;
    std::u16string source;
    int sourceLength;
    int targetLength;
    const char* defaultChar;
};

template <typename Convert> Outcome RunToNarrow(const ToNarrowCall& call, Convert convert) {
    std::string target(8, '\x7E');
    bool usedDefault = false;
    platform::SetLastError(0);
    const bool utf8 = call.codePage == platform::kCodePageUtf8;
    const int result = convert(call.codePage, call.flags, call.source.c_str(), call.sourceLength,
                               call.targetLength > 0 ? target.data() : nullptr, call.targetLength,
                               call.defaultChar, utf8 ? nullptr : &usedDefault);
    return {result, u""s + (usedDefault ? u'Y' : u'N'), target, platform::LastError()};
}

TEST(CodePageToWide, OtherCodePagesGiveWhatThePlatformGives) {
    AnsiCodePageScope codePage(950);
    const ToWideCall calls[] = {
        {950, 0, "\xB6\xC7\xAF\x75", -1, 8},
        {0, 0, "\xB6\xC7\xAF\x75", -1, 8},
        {950, 0, "\xB6\xC7\xAF\x75", -1, 0},
        {950, 0, "\xB6\xC7\xAF\x75", -1, 2},
        {950, 0, "ab", 0, 8},
        {950, 0, "ab", -2, 8},
        {950, 0, "ab", -1, -1},
        {65001, 0, "\xE4\xB8\x80", -1, 8},
        {65001, 8, "\xFF", -1, 8},
        {65001, 1, "a", -1, 8},
        {1252, 0, "A\xEC", -1, 8},
        {950, 0, "a\xA4", -1, 8},
    };
    for (const ToWideCall& call : calls)
        EXPECT_EQ(RunToWide(call, CodePageToWide),
                  RunToWide(call,
                            [](std::uint32_t page, auto... rest) {
                                return platform::MultiByteToWide(page ? page : 950, rest...);
                            }))
            << call.codePage << " " << call.sourceLength << " " << call.targetLength;
}

TEST(WideToCodePage, OtherCodePagesGiveWhatThePlatformGives) {
    AnsiCodePageScope codePage(950);
    const ToNarrowCall calls[] = {
        {950, 0, u"\u50B3\u771F", -1, 8, nullptr},
        {0, 0, u"\u50B3\u771F", -1, 8, nullptr},
        {950, 0, u"\u50B3\u771F", -1, 0, nullptr},
        {950, 0, u"\u50B3\u771F", -1, 2, nullptr},
        {950, 0, u"a\u0E01", -1, 8, "*"},
        {950, 0, u"a\xD800", -1, 8, nullptr},
        {950, 0, u"ab", 0, 8, nullptr},
        {950, 0, u"ab", -2, 8, nullptr},
        {65001, 0, u"\U0001F600", -1, 8, nullptr},
        {65001, 0x200, u"a", -1, 8, nullptr},
        {1252, 0x200, u"e\u0301", -1, 8, nullptr},
        {950, 0, u"ab", -1, -3, nullptr},
    };
    for (const ToNarrowCall& call : calls)
        EXPECT_EQ(RunToNarrow(call, WideToCodePage),
                  RunToNarrow(call,
                              [](std::uint32_t page, auto... rest) {
                                  return platform::WideToMultiByte(page ? page : 950, rest...);
                              }))
            << call.codePage << " " << call.sourceLength << " " << call.targetLength;
}

TEST(CodePageToWide, CodePage1258IsTheProgramsOwn) {
    char16_t target[8] = {};
    EXPECT_EQ(CodePageToWide(1258, 0, "A\xEC", -1, target, 8), 2);
    EXPECT_EQ(std::u16string(target, 2), u"\u00C1"s + u'\0');
    EXPECT_EQ(platform::MultiByteToWide(1258, 0, "A\xEC", -1, target, 8), 3); // not joined
    AnsiCodePageScope codePage(1258);
    EXPECT_EQ(CodePageToWide(0, 0, "A\xEC", -1, target, 8), 2);
    EXPECT_EQ(CodePageToWide(0, 0, "ab", -2, target, 8), 0); // its own argument rules
}

TEST(WideToCodePage, CodePage1258IsTheProgramsOwn) {
    char target[8] = {};
    EXPECT_EQ(WideToCodePage(1258, 0, u"\u1EA5", -1, target, 8, nullptr, nullptr), 3);
    EXPECT_EQ(std::string(target, 3), "\xE2\xEC"s + '\0');
    AnsiCodePageScope codePage(1258);
    EXPECT_EQ(WideToCodePage(0, 0, u"\u00C0", -1, target, 8, nullptr, nullptr), 3);
    EXPECT_EQ(std::string(target, 3), "A\xCC"s + '\0');
}

// A UTF-8 name field becomes the system code page where it lies, through a 128-unit buffer.
std::string NameFieldToAnsi(const std::string& utf8) {
    char field[128] = {};
    utf8.copy(field, sizeof field - 1);
    char16_t wide[128] = {};
    CodePageToWide(platform::kCodePageUtf8, 0, field, -1, wide, 128);
    WideToCodePage(platform::AnsiCodePage(), platform::kWcCompositeCheck, wide, -1, field, 128,
                   nullptr, nullptr);
    return field;
}

TEST(NameFieldToAnsi, Big5System) {
    AnsiCodePageScope codePage(950);
    EXPECT_EQ(NameFieldToAnsi("\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E"), "\xA4\xFD\xA4\x70\xA9\xFA");
    EXPECT_EQ(NameFieldToAnsi("Chen"), "Chen");
}

TEST(NameFieldToAnsi, VietnameseSystem) {
    AnsiCodePageScope codePage(1258);
    // Nguyễn, precomposed and decomposed: the same bytes.
    EXPECT_EQ(NameFieldToAnsi("Nguy\xE1\xBB\x85n"), "Nguy\xEA\xDEn");
    EXPECT_EQ(NameFieldToAnsi("Nguye\xCC\x82\xCC\x83n"), "Nguy\xEA\xDEn");
}

} // namespace
