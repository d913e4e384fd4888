// Cleaning fax numbers and trimming names in place.
#include "text/FieldHelpers.h"

#include "PlatformScopes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Cleaned {
    std::string text;
    int length;
};

// The number cleaned where it lies; cleaned into a buffer of any room, it must give the same
// bytes as fit, and leave the number as it was.
Cleaned Clean(const std::string& number) {
    std::vector<char> buffer(number.begin(), number.end());
    buffer.push_back('\0');
    const int length = CleanFaxNumber(buffer.data());
    const std::string cleaned(buffer.data());
    for (const int room : {0, 3, length, 31}) {
        std::string copy(static_cast<std::size_t>(room), '\0');
        EXPECT_EQ(CopyCleanFaxNumber(number.c_str(), copy.data(), room), length) << number;
        EXPECT_EQ(copy.c_str(), cleaned.substr(0, std::min(length, room))) << number;
    }
    return {cleaned, length};
}

std::string Trim(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    const std::size_t length = TrimSpaces(buffer.data());
    EXPECT_EQ(length, std::strlen(buffer.data())) << text;
    return buffer.data();
}

TEST(CleanFaxNumber, DropsSpacesAndUpperCasesLetters) {
    const Cleaned cleaned = Clean("(03) 1234-5678 ext.9");
    EXPECT_EQ(cleaned.text, "(03)1234-5678EXT.9");
    EXPECT_EQ(cleaned.length, 18);
}

TEST(CleanFaxNumber, KeepsDialingSignsDigitsAndLetters) {
    const Cleaned cleaned = Clean("+886-2 (1)#*/.az!@");
    EXPECT_EQ(cleaned.text, "+886-2(1)#*/.AZ!@");
    EXPECT_EQ(cleaned.length, 17);
}

TEST(CleanFaxNumber, RemovesSeparatorsBracketsAndBytesAbove0x7A) {
    const Cleaned cleaned = Clean("1\t2,3[4]5{6|7}8~9\x7F"
                                  "0\x80\xFF\x01 ");
    EXPECT_EQ(cleaned.text, "1234567890");
    EXPECT_EQ(cleaned.length, 10);
}

TEST(CleanFaxNumber, TwoByteCharactersGoWholeUnlessTypedInFullWidth) {
    const std::string fullWidthDigits = "\xA2\xAF\xA2\xB0\xA2\xB1\xA2\xB2\xA2\xB3"
                                        "\xA2\xB4\xA2\xB5\xA2\xB6\xA2\xB7\xA2\xB8"; // ０ to ９
    const struct {
        std::string number;
        std::string cleaned;
    } cases[] = {
        // 傳真 is B6 C7 AF 75: its trail byte 0x75 (u) no longer stays as a U.
        {"\xB6\xC7\xAF\x75", ""},
        // 功 ends in a backslash, 公司 (A4 BD A5 71) in a q.
        {"1\xA5\x5C"
         "2\xA4\xBD\xA5\x71",
         "12"},
        {fullWidthDigits, "0123456789"},
        // （ ） ＋ － ． ＃ ＊ ／ and the dashes – —.
        {"\xA1\x5D"
         "02\xA1\x5E\xA1\xCF\xA1\xD0\xA1\x44\xA1\xAD\xA1\xAF\xA1\xFE\xA1\x56\xA1\x58",
         "(02)+-.#*/--"},
        // 40 bytes before folding, 20 after: it fits.
        {fullWidthDigits + fullWidthDigits, "01234567890123456789"},
        // A lead byte without its second byte goes alone.
        {"12\xA4", "12"},
    };
    for (const auto& test : cases) {
        const Cleaned cleaned = Clean(test.number);
        EXPECT_EQ(cleaned.text, test.cleaned) << test.cleaned;
        EXPECT_EQ(cleaned.length, static_cast<int>(test.cleaned.size())) << test.cleaned;
    }
}

TEST(CleanFaxNumber, SingleByteCodePagesStillGoByteByByte) {
    AnsiCodePageScope vietnamese(platform::kCodePageVietnamese);
    // A base letter and its tone mark are one character there, but only the mark goes.
    EXPECT_EQ(Clean("1a\xEC"
                    "2")
                  .text,
              "1A2");
}

TEST(CleanFaxNumber, NothingLeft) {
    EXPECT_EQ(Clean("").length, 0);
    const Cleaned cleaned = Clean("  , [ ] ");
    EXPECT_EQ(cleaned.text, "");
    EXPECT_EQ(cleaned.length, 0);
    EXPECT_EQ(CleanFaxNumber(nullptr), 0);
}

TEST(TrimSpaces, RemovesSpacesAtBothEnds) {
    EXPECT_EQ(Trim("  Chen Ann  "), "Chen Ann");
    EXPECT_EQ(Trim("Chen"), "Chen");
    EXPECT_EQ(Trim("   Chen"), "Chen");
    EXPECT_EQ(Trim("Chen   "), "Chen");
}

TEST(TrimSpaces, KeepsTabsAndOtherBlanks) {
    EXPECT_EQ(Trim(" \tChen\t "), "\tChen\t");
    EXPECT_EQ(Trim("\xA1\x40 x"), "\xA1\x40 x"); // the Big5 ideographic space stays
}

TEST(TrimSpaces, SpacesOnlyAndEmptyEndEmpty) {
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(Trim(" "), "");
    EXPECT_EQ(Trim(""), "");
    TrimSpaces(nullptr);
}

TEST(TrimSpaces, WorksWhereTheTextLies) {
    char buffer[] = "  ab  \0zz";
    TrimSpaces(buffer);
    EXPECT_STREQ(buffer, "ab");
    EXPECT_STREQ(buffer + 7, "zz"); // nothing past the original terminator is touched
}

} // namespace
