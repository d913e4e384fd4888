// The converters against the real platform: every code page but 1258 gives exactly what
// MultiByteToWideChar and WideCharToMultiByte give, and a missing normalization library is no
// error. Run once as installed and once with Normaliz.dll disabled.
#include "platform/CodePages.h"
#include "text/CodePageConversion.h"
#include "text/FieldHelpers.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct Outcome {
    int result;
    std::vector<unsigned char> target;
    DWORD error;
    BOOL usedDefault;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << "result " << outcome.result << ", error " << outcome.error << ", used default "
         << outcome.usedDefault;
}

struct ToWideCase {
    UINT codePage;
    DWORD flags;
    std::string source;
    int sourceLength;
    int targetLength;
    bool nullTarget;
};

Outcome ProgramToWide(const ToWideCase& c) {
    std::u16string target(16, u'\x7E');
    ::SetLastError(0);
    const int result = CodePageToWide(c.codePage, c.flags, c.source.c_str(), c.sourceLength,
                                      c.nullTarget ? nullptr : target.data(), c.targetLength);
    const auto* bytes = reinterpret_cast<const unsigned char*>(target.data());
    return {result, {bytes, bytes + target.size() * 2}, ::GetLastError(), FALSE};
}

Outcome PlatformToWide(const ToWideCase& c) {
    std::wstring target(16, L'\x7E');
    ::SetLastError(0);
    const int result =
        ::MultiByteToWideChar(c.codePage, c.flags, c.source.c_str(), c.sourceLength,
                              c.nullTarget ? nullptr : target.data(), c.targetLength);
    const auto* bytes = reinterpret_cast<const unsigned char*>(target.data());
    return {result, {bytes, bytes + target.size() * 2}, ::GetLastError(), FALSE};
}

struct ToNarrowCase {
    UINT codePage;
    DWORD flags;
    std::u16string source;
    int sourceLength;
    int targetLength;
    const char* defaultChar;
    bool askUsedDefault;
};

Outcome ProgramToNarrow(const ToNarrowCase& c) {
    std::string target(16, '\x7E');
    bool used = false;
    ::SetLastError(0);
    const int result = WideToCodePage(c.codePage, c.flags, c.source.c_str(), c.sourceLength,
                                      c.targetLength ? target.data() : nullptr, c.targetLength,
                                      c.defaultChar, c.askUsedDefault ? &used : nullptr);
    const DWORD error = ::GetLastError();
    return {result, {target.begin(), target.end()}, error, used ? TRUE : FALSE};
}

Outcome PlatformToNarrow(const ToNarrowCase& c) {
    std::string target(16, '\x7E');
    BOOL used = FALSE;
    ::SetLastError(0);
    const int result =
        ::WideCharToMultiByte(c.codePage, c.flags, reinterpret_cast<const WCHAR*>(c.source.c_str()),
                              c.sourceLength, c.targetLength ? target.data() : nullptr,
                              c.targetLength, c.defaultChar, c.askUsedDefault ? &used : nullptr);
    const DWORD error = ::GetLastError();
    return {result, {target.begin(), target.end()}, error, used};
}

TEST(CodePageToWide, GivesWhatMultiByteToWideCharGives) {
    std::vector<ToWideCase> cases = {
        {950, 0, "\xB6\xC7\xAF\x75", -1, 16, false},
        {950, 0, "\xB6\xC7\xAF\x75", -1, 0, false},
        {950, 0, "\xB6\xC7\xAF\x75", -1, 0, true},
        {950, 0, "\xB6\xC7\xAF\x75", -1, 2, false},
        {950, 0, "\xB6\xC7\xAF\x75", 3, 16, false},
        {950, 0, "a\xA4", -1, 16, false},
        {950, 0, "ab", 0, 16, false},
        {950, 0, "ab", -2, 16, false},
        {950, 0, "ab", -1, -1, false},
        {950, 0, "ab", -1, 16, true},
        {950, 3, "ab", -1, 16, false},
        {65001, 0, "\xE5\x82\xB3\xF0\x9F\x98\x80", -1, 16, false},
        {65001, MB_ERR_INVALID_CHARS, "a\xFF", -1, 16, false},
        {65001, 0, "a\xFF", -1, 16, false},
        {65001, MB_PRECOMPOSED, "a", -1, 16, false},
        {1252, 0, "A\xEC\x80", -1, 16, false},
        {932, 0, "\x82\xA0\xA4", -1, 16, false},
    };
    if (::GetACP() != platform::kCodePageVietnamese)
        cases.push_back({0, 0, "\xB6\xC7\xAF\x75", -1, 16, false});
    for (const ToWideCase& c : cases)
        EXPECT_EQ(ProgramToWide(c), PlatformToWide(c))
            << c.codePage << " " << c.flags << " " << c.sourceLength << " " << c.targetLength;
}

TEST(WideToCodePage, GivesWhatWideCharToMultiByteGives) {
    std::vector<ToNarrowCase> cases = {
        {950, 0, u"\u50B3\u771F", -1, 16, nullptr, true},
        {950, 0, u"\u50B3\u771F", -1, 0, nullptr, true},
        {950, 0, u"\u50B3\u771F", -1, 2, nullptr, false},
        {950, 0, u"\u50B3\u771F", 1, 16, nullptr, false},
        {950, 0, u"a\u0E01b", -1, 16, nullptr, true},
        {950, 0, u"a\u0E01b", -1, 16, "*", true},
        {950, 0,
         u"a\xD800"
         u"b",
         -1, 16, nullptr, true},
        {950, 0, u"a\U0001F600", -1, 16, nullptr, true},
        {950, WC_COMPOSITECHECK, u"e\u0301", -1, 16, nullptr, true},
        {950, 0, u"ab", 0, 16, nullptr, false},
        {950, 0, u"ab", -2, 16, nullptr, false},
        {950, 0, u"ab", -1, -1, nullptr, false},
        {65001, 0, u"\u50B3\U0001F600", -1, 16, nullptr, false},
        {65001, 0, u"a\xDC00", -1, 16, nullptr, false},
        {65001, WC_ERR_INVALID_CHARS, u"a\xDC00", -1, 16, nullptr, false},
        {65001, 0, u"a", -1, 16, "?", false},
        {65001, WC_COMPOSITECHECK, u"a", -1, 16, nullptr, false},
        {1252, WC_COMPOSITECHECK, u"e\u0301x", -1, 16, nullptr, true},
    };
    if (::GetACP() != platform::kCodePageVietnamese)
        cases.push_back({0, 0, u"\u50B3\u771F", -1, 16, nullptr, true});
    for (const ToNarrowCase& c : cases)
        EXPECT_EQ(ProgramToNarrow(c), PlatformToNarrow(c))
            << c.codePage << " " << c.flags << " " << c.sourceLength << " " << c.targetLength;
}

TEST(CodePage1258, StaysThePrograms) {
    char16_t wide[8] = {};
    EXPECT_EQ(CodePageToWide(1258, 0, "\xE2\xEC", -1, wide, 8), 2);
    EXPECT_EQ(wide[0], u'\u1EA5');
    char bytes[8] = {};
    EXPECT_EQ(WideToCodePage(1258, 0, u"\u1EA5", -1, bytes, 8, nullptr, nullptr), 3);
    EXPECT_EQ(std::string(bytes, 3), "\xE2\xEC\0"s);
}

std::string Environment(const char* name) {
    char value[64] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : "";
}

TEST(Normalization, MissingLibraryIsNoError) {
    const platform::FormCNormalizer normalizer;
    const std::string expected = Environment("IMPORTER_NORMALIZATION");
    if (expected == "missing") {
        ASSERT_FALSE(normalizer.Available());
    } else if (expected == "present") {
        ASSERT_TRUE(normalizer.Available());
    }

    char bytes[16] = {};
    bool usedDefault = false;
    const int length =
        WideToCp1258(0, u"e\u0302\u0301x", -1, bytes, sizeof bytes, nullptr, &usedDefault);
    if (normalizer.Available()) {
        EXPECT_EQ(length, 4);
        EXPECT_EQ(std::string(bytes, 4), "\xEA\xEC"
                                         "x\0"s);
        EXPECT_FALSE(usedDefault);
    } else {
        // Unnormalized: e, one byte for the lone circumflex, then the acute mark.
        ASSERT_EQ(length, 5);
        EXPECT_EQ(bytes[0], 'e');
        EXPECT_EQ(std::string(bytes + 2, 3), "\xEC"
                                             "x\0"s);
    }
    EXPECT_EQ(WideToCp1258(0, u"\u1EA5", -1, bytes, sizeof bytes, nullptr, nullptr), 3);
}

// A UTF-8 name field becomes the system code page where it lies, through a 128-unit buffer.
std::string NameFieldToAnsi(const std::string& utf8) {
    char field[128] = {};
    utf8.copy(field, sizeof field - 1);
    char16_t wide[128] = {};
    CodePageToWide(CP_UTF8, 0, field, -1, wide, 128);
    WideToCodePage(::GetACP(), WC_COMPOSITECHECK, wide, -1, field, 128, nullptr, nullptr);
    return field;
}

TEST(AnsiLeadByteTable, AnswersAsTheSystem) {
    const platform::AnsiLeadBytes& table = platform::AnsiLeadByteTable();
    EXPECT_EQ(table.codePage, ::GetACP());
    for (unsigned byte = 0; byte < 256; ++byte)
        EXPECT_EQ(table.leads[byte], ::IsDBCSLeadByteEx(::GetACP(), static_cast<BYTE>(byte)) != 0)
            << byte;
}

TEST(Big5System, LeadBytesAndNames) {
    if (::GetACP() != 950)
        GTEST_SKIP() << "ANSI code page " << ::GetACP();
    EXPECT_TRUE(IsDoubleByteStart("\xA4\x5D"));
    EXPECT_FALSE(IsDoubleByteStart("]"));
    char name[] = "[\xA4\x5D]";
    ReplaceBrackets(name);
    EXPECT_STREQ(name, "(\xA4\x5D)");
    EXPECT_EQ(NameFieldToAnsi("\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E"), "\xA4\xFD\xA4\x70\xA9\xFA");
}

TEST(VietnameseSystem, ToneMarksJoinTheirLetters) {
    if (::GetACP() != platform::kCodePageVietnamese)
        GTEST_SKIP() << "ANSI code page " << ::GetACP();
    EXPECT_TRUE(IsDoubleByteStart("A\xEC"));
    EXPECT_FALSE(IsDoubleByteStart("B\xD2"));
    EXPECT_FALSE(IsDoubleByteStart("\xA4\x5D"));
    char16_t wide[8] = {};
    EXPECT_EQ(CodePageToWide(CP_ACP, 0, "A\xEC", -1, wide, 8), 2);
    EXPECT_EQ(wide[0], u'\u00C1');
    // Nguyen with circumflex and tilde, precomposed and decomposed.
    EXPECT_EQ(NameFieldToAnsi("Nguy\xE1\xBB\x85n"), "Nguy\xEA\xDEn");
    EXPECT_EQ(NameFieldToAnsi("Nguye\xCC\x82\xCC\x83n"), "Nguy\xEA\xDEn");
}

} // namespace
