// Cleaning fax numbers and trimming names in place.
#include "text/FieldHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Cleaned {
    std::string text;
    int length;
};

Cleaned Clean(const std::string& number) {
    std::vector<char> buffer(number.begin(), number.end());
    buffer.push_back('\0');
    const int length = CleanFaxNumber(buffer.data());
    return {buffer.data(), length};
}

std::string Trim(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    TrimSpaces(buffer.data());
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

TEST(CleanFaxNumber, WorksOnBytesNotCharacters) {
    // 傳真 is B6 C7 AF 75: only the trail byte 0x75 (u) is in the accepted set.
    const Cleaned cleaned = Clean("\xB6\xC7\xAF\x75");
    EXPECT_EQ(cleaned.text, "U");
    EXPECT_EQ(cleaned.length, 1);
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
