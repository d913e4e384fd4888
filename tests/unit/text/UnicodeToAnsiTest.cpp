// Unicode text converted whole to the ANSI code page, piece by piece through UTF-16.
#include "text/UnicodeToAnsi.h"

#include "PlatformScopes.h"

#include <unicode/ucnv.h>

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <utility>

namespace {

std::string Utf16(const std::u16string& text, bool littleEndian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

std::string Convert(UnicodeForm form, const std::string& bytes) {
    platform::FileBytes converted;
    EXPECT_TRUE(ConvertToAnsiCodePage(form, bytes.data(), bytes.size(), converted));
    if (!converted.data)
        return "<none>";
    EXPECT_EQ(converted.data[converted.size], '\0');
    return std::string(converted.data.get(), converted.size);
}

std::string FromUtf8(const std::string& utf8) {
    return Convert(UnicodeForm::Utf8, utf8);
}

// ICU's conversion of a UTF-8 text: the reference for text that every code page can hold.
std::string Reference(const char* codePage, const std::string& utf8) {
    UErrorCode status = U_ZERO_ERROR;
    std::string bytes(utf8.size() * 2 + 8, '\0');
    const int length =
        ucnv_convert(codePage, "UTF-8", bytes.data(), static_cast<int32_t>(bytes.size()),
                     utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    EXPECT_TRUE(U_SUCCESS(status));
    bytes.resize(static_cast<std::size_t>(length));
    return bytes;
}

// The UTF-8 text, and the same text in both forms of UTF-16, each convert to `expected`.
void ExpectEveryFormGives(const std::string& utf8, const std::string& expected) {
    EXPECT_EQ(FromUtf8(utf8), expected);
    for (const UnicodeForm form : {UnicodeForm::Utf16LittleEndian, UnicodeForm::Utf16BigEndian}) {
        UErrorCode status = U_ZERO_ERROR;
        std::u16string utf16(utf8.size() + 1, u'\0');
        const int length = ucnv_convert(
            form == UnicodeForm::Utf16LittleEndian ? "UTF-16LE" : "UTF-16BE", "UTF-8",
            reinterpret_cast<char*>(utf16.data()), static_cast<int32_t>(utf16.size() * 2),
            utf8.data(), static_cast<int32_t>(utf8.size()), &status);
        ASSERT_TRUE(U_SUCCESS(status));
        const std::string units(reinterpret_cast<const char*>(utf16.data()),
                                static_cast<std::size_t>(length));
        EXPECT_EQ(Convert(form, units), expected);
    }
}

TEST(UnicodeToAnsi, EveryFormGivesTheBig5Text) {
    const std::string utf8 = "名稱,傳真\r\n王小明,(02) 2700-1234\r\n";
    const std::u16string utf16 = u"名稱,傳真\r\n王小明,(02) 2700-1234\r\n";
    const std::string big5 = Reference("windows-950", utf8);
    EXPECT_EQ(FromUtf8(utf8), big5);
    EXPECT_EQ(Convert(UnicodeForm::Utf16LittleEndian, Utf16(utf16, true)), big5);
    EXPECT_EQ(Convert(UnicodeForm::Utf16BigEndian, Utf16(utf16, false)), big5);
}

TEST(UnicodeToAnsi, MissingCharactersBecomeOneDefaultCharacterEach) {
    // é and the Thai letter are not in Big5; best-fit letters are not taken either.
    EXPECT_EQ(FromUtf8("Jos\xC3\xA9 \xE0\xB8\x81!"), "Jos? ?!");
    // A character beyond the first plane is one character, one default character.
    EXPECT_EQ(FromUtf8("a\xF0\x9F\x93\xA0"
                       "b"),
              "a?b");
    EXPECT_EQ(Convert(UnicodeForm::Utf16LittleEndian, Utf16(u"a\U0001F4E0\U0001F4E0b", true)),
              "a??b");
}

TEST(UnicodeToAnsi, InvalidInputBecomesDefaultCharacters) {
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b"),
              "a?b");
    EXPECT_EQ(FromUtf8("a\x80"
                       "b"),
              "a?b");
    // Lone surrogates, at either place.
    const std::u16string lone = {u'a', 0xD800, u'b', 0xDC00, u'c', 0xD83D};
    EXPECT_EQ(Convert(UnicodeForm::Utf16LittleEndian, Utf16(lone, true)), "a?b?c?");
    EXPECT_EQ(Convert(UnicodeForm::Utf16BigEndian, Utf16(lone, false)), "a?b?c?");
}

TEST(UnicodeToAnsi, CharactersOfNumbersTheCodePageLacksBecomeTheirAsciiStandIns) {
    // No-break spaces, the non-breaking hyphen, the minus sign: not in Big5. The dash – is.
    const std::string number = "02\u00A02700\u20111234\u202F\u2212\u2013";
    EXPECT_EQ(FromUtf8(number), "02 2700-1234 -\xA1\x56");
    EXPECT_EQ(Convert(UnicodeForm::Utf16LittleEndian,
                      Utf16(u"02\u00A02700\u20111234\u202F\u2212\u2013", true)),
              "02 2700-1234 -\xA1\x56");
    // A code page that holds the no-break space keeps it.
    AnsiCodePageScope western(1252);
    EXPECT_EQ(FromUtf8("1\u00A02"), "1\xA0"
                                    "2");
}

TEST(UnicodeToAnsi, TextsOfAsManyUnitsAsBytesConvertWhole) {
    // Every byte an invalid unit, or a character beyond the plane alone: the most units a
    // short text can give.
    const std::pair<std::string, std::string> cases[] = {
        {"\xFF", "?"}, {"\x80\x80\x80", "???"}, {"a", "a"}, {"\xF0\x9F\x93\xA0", "?"}};
    for (const auto& [utf8, expected] : cases)
        EXPECT_EQ(FromUtf8(utf8), expected) << utf8;
}

TEST(UnicodeToAnsi, OddLastByteOfUtf16IsOneDefaultCharacter) {
    EXPECT_EQ(Convert(UnicodeForm::Utf16LittleEndian, Utf16(u"ab", true) + "x"), "ab?");
    EXPECT_EQ(Convert(UnicodeForm::Utf16BigEndian, "x"), "?");
}

TEST(UnicodeToAnsi, EmptyTextGivesAnEmptyBuffer) {
    platform::FileBytes converted;
    ASSERT_TRUE(ConvertToAnsiCodePage(UnicodeForm::Utf8, "", 0, converted));
    ASSERT_NE(converted.data, nullptr);
    EXPECT_EQ(converted.size, 0u);
    EXPECT_EQ(converted.data[0], '\0');
}

TEST(UnicodeToAnsi, ZeroCharactersAreKept) {
    EXPECT_EQ(FromUtf8(std::string("a\0b\0", 4)), std::string("a\0b\0", 4));
    const std::u16string zeros = {u'a', 0, u'b'};
    EXPECT_EQ(Convert(UnicodeForm::Utf16LittleEndian, Utf16(zeros, true)), std::string("a\0b", 3));
}

// Texts far longer than one piece, with long lines and no line feed at all, cut nowhere inside
// a character: the result is the whole text's conversion.
TEST(UnicodeToAnsi, LongTextsConvertAsOneWhole) {
    std::string utf8;
    for (int line = 0; line < 5000; ++line) {
        const std::string name =
            "A" + std::string(static_cast<std::size_t>(line % 7), 'x') + "王小明";
        utf8 += name + ",02-" + std::to_string(line) + (line % 3 ? "\r\n" : "\n");
    }
    std::string oneLine;
    for (int count = 0; count < 70000; ++count)
        oneLine += count % 5 ? "傳" : "b";
    for (const std::string& text : {utf8, oneLine, utf8 + oneLine + utf8}) {
        const std::string expected = Reference("windows-950", text);
        ExpectEveryFormGives(text, expected);
    }
}

// Long texts of names, numbers and line ends in random order, line feeds so rare that most
// pieces hold none and end wherever the piece size falls: some runs end exactly there.
TEST(UnicodeToAnsi, RandomLongTextsConvertAsOneWhole) {
    const char* const tokens[] = {"A", "bc", "9", ",", " ", "\xE7\x8E\x8B", "\xCE\xB1", "\r"};
    std::mt19937 random(17);
    for (int text = 0; text < 6; ++text) {
        std::string utf8;
        while (utf8.size() < 300000) {
            utf8 += random() % 40000 == 0 ? "\n" : tokens[random() % std::size(tokens)];
        }
        ExpectEveryFormGives(utf8, Reference("windows-950", utf8));
    }
}

TEST(UnicodeToAnsi, LongLinesAreNotCutBetweenALetterAndItsMarks) {
    // Code page 1258 writes a letter and its marks together, in one or two bytes: a piece that
    // ended between them would convert them apart, into other bytes.
    AnsiCodePageScope vietnamese(1258);
    const std::string letter = "e\xCC\x82\xCC\x81"; // e, circumflex, acute
    const std::string one = FromUtf8(letter);
    ASSERT_EQ(one, "\xEA\xEC");
    std::string text;
    std::string expected;
    for (int count = 0; count < 30000; ++count) {
        text += letter;
        expected += one;
    }
    ExpectEveryFormGives(text, expected);
}

TEST(UnicodeToAnsi, CharactersBeyondThePlaneAtEveryPieceBoundaryStayWhole) {
    // 40,000 of them in one line after one letter, so that a piece's natural end falls inside
    // one: pieces must not split it into two default characters.
    std::u16string text = u"a";
    for (int count = 0; count < 40000; ++count)
        text += u"\U0001F4E0";
    const std::string expected = "a" + std::string(40000, '?');
    EXPECT_EQ(Convert(UnicodeForm::Utf16BigEndian, Utf16(text, false)), expected);
    std::string utf8 = "a";
    for (int count = 0; count < 40000; ++count)
        utf8 += "\xF0\x9F\x93\xA0";
    EXPECT_EQ(FromUtf8(utf8), expected);
}

TEST(UnicodeToAnsi, UnicodeAnsiCodePageKeepsEveryCharacter) {
    AnsiCodePageScope utf8System(65001);
    const std::string text = "名稱 \xF0\x9F\x93\xA0 Jos\xC3\xA9";
    EXPECT_EQ(FromUtf8(text), text);
    EXPECT_EQ(Convert(UnicodeForm::Utf16LittleEndian, Utf16(u"名稱 \U0001F4E0 José", true)), text);
}

TEST(UnicodeToAnsi, CharactersBeyondThePlaneStayWhereTheCodePageHoldsThem) {
    // GB18030 stands in for an ANSI code page that holds them.
    AnsiCodePageScope gb18030(54936);
    const std::string text = "\xF0\x9F\x93\xA0 \xF0\x9F\x93\xA0 \xF0\x9F\x98\x80";
    EXPECT_EQ(FromUtf8(text), Reference("gb18030", text));
}

TEST(UnicodeToAnsi, OtherAnsiCodePagesGetTheirOwnBytes) {
    AnsiCodePageScope japanese(932);
    const std::string text = "名前,ファクス\r\n";
    EXPECT_EQ(FromUtf8(text), Reference("windows-932", text));
}

} // namespace

namespace {

// Runs of other characters go to the platform apart from the ASCII around them: an ASCII letter
// that a mark follows goes with them, and runs end mid-character, at surrogates and at zeros.
struct RunCase {
    std::uint32_t codePage;
    UnicodeForm form;
    std::string text; // UTF-8, or UTF-16LE bytes
    std::string expected;
};

std::string Le(const std::u16string& text) {
    return Utf16(text, true);
}

TEST(UnicodeToAnsi, RunsOfOtherCharactersConvertAsInTheWholeText) {
    const std::string ascii48 = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJ";
    const RunCase cases[] = {
        {950, UnicodeForm::Utf8,
         "abc\xE5\x90\x8D"
         "def",
         "abc\xA6W"
         "def"},
        {950, UnicodeForm::Utf8, "\xE5\x90\x8D" + ascii48 + "\xE7\xA8\xB1",
         "\xA6W" + ascii48 + "\xBA\xD9"},
        {950, UnicodeForm::Utf8,
         "a\xE4\xB8"
         "b",
         "a?b"},
        {950, UnicodeForm::Utf8, "a\xE4\xB8", "a?"},
        {950, UnicodeForm::Utf8, "\xC1\x81x\xED\xA0\x80y\xF4\x90\x80\x80", "??x???y????"},
        {950, UnicodeForm::Utf8,
         "a\xF0\x9F\x93\xA0"
         "b\xF0\x9F\x93\xA0",
         "a?b?"},
        {950, UnicodeForm::Utf8, std::string("\0\xE5\x90\x8D\0a\xC2\xA0", 8),
         std::string("\0\xA6W\0a ", 6)},
        {950, UnicodeForm::Utf8,
         "1\xC2\xA0"
         "2\xE2\x80\x91"
         "3\xE2\x88\x92\xEF\xBC\x91",
         "1 2-3-\xA2\xB0"},
        {1258, UnicodeForm::Utf8, "xe\xCC\x82\xCC\x81y", "x\xEA\xECy"},
        {1258, UnicodeForm::Utf8,
         "A\xCC\x81"
         "B\xCC\x89"
         "a\xCC\xA3\xCC\x82",
         "A\xEC"
         "B\xD2\xE2\xF2"},
        {1258, UnicodeForm::Utf8,
         "\xC3\x80"
         "A\xE1\xBA\xA5"
         "e",
         "A\xCC"
         "A\xE2\xEC"
         "e"},
        {1252, UnicodeForm::Utf8,
         "Jos\xC3\xA9 1\xC2\xA0"
         "2\xE2\x82\xAC",
         "Jos\xE9 1\xA0"
         "2\x80"},
        {932, UnicodeForm::Utf8,
         "\xE5\x90\x8D\xE5\x89\x8D"
         "ab\xEF\xBD\xB1",
         "\x96\xBC\x91O"
         "ab\xB1"},
        {65001, UnicodeForm::Utf8,
         "a\xE5\x90\x8D\xF0\x9F\x93\xA0\xFF"
         "b",
         "a\xE5\x90\x8D\xF0\x9F\x93\xA0\xEF\xBF\xBD"
         "b"},
        {950, UnicodeForm::Utf16LittleEndian, Le({u'a', 0xD800}), "a?"},
        {950, UnicodeForm::Utf16LittleEndian, Le({0xDC00, u'b', 0xD83D, 0xDCE0, u'c', 0xD83D}),
         "?b?c?"},
        {950, UnicodeForm::Utf16LittleEndian,
         Le({u'x', 0x540D, u'y', 0xDBFF, 0xDFFF, 0x00A0, u'1'}), "x\xA6Wy? 1"},
        {65001, UnicodeForm::Utf16LittleEndian, Le({u'a', 0xD83D, 0xDCE0, 0x540D, 0xDC00, u'z'}),
         "a\xF0\x9F\x93\xA0\xE5\x90\x8D\xEF\xBF\xBDz"},
        {1258, UnicodeForm::Utf16LittleEndian, Le({u'e', 0x0302, 0x0301, u'A', 0x0301}),
         "\xEA\xEC"
         "A\xEC"},
    };
    for (const RunCase& test : cases) {
        AnsiCodePageScope codePage(test.codePage);
        EXPECT_EQ(Convert(test.form, test.text), test.expected) << test.codePage;
    }
}

} // namespace
