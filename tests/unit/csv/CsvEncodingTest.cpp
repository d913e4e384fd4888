// Which files are Unicode text, and their conversion to the ANSI code page before lines are cut.
#include "csv/CsvEncoding.h"

#include "CsvTestSupport.h"
#include "text/PlatformScopes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

DetectedEncoding Detect(const std::string& bytes, std::uint32_t codePage = 950) {
    return DetectCsvEncoding(bytes.data(), bytes.size(), codePage);
}

bool Is(const DetectedEncoding& detected, CsvEncoding encoding, std::size_t markLength) {
    return detected.encoding == encoding && detected.markLength == markLength;
}

TEST(CsvEncoding, ByteOrderMarksDecide) {
    EXPECT_TRUE(Is(Detect("\xEF\xBB\xBFName,Fax"), CsvEncoding::Utf8, 3));
    EXPECT_TRUE(Is(Detect("\xFF\xFEN\0"), CsvEncoding::Utf16LittleEndian, 2));
    EXPECT_TRUE(Is(Detect("\xFE\xFF\0N"), CsvEncoding::Utf16BigEndian, 2));
    // Whatever follows the mark, even bytes that are no UTF-8, and under any code page.
    EXPECT_TRUE(Is(Detect("\xEF\xBB\xBF\xA4\xFD", 1252), CsvEncoding::Utf8, 3));
    EXPECT_TRUE(Is(Detect("\xEF\xBB\xBF"), CsvEncoding::Utf8, 3));
    // Part of a mark is none.
    EXPECT_TRUE(Is(Detect("\xEF\xBB"), CsvEncoding::Ansi, 0));
    EXPECT_TRUE(Is(Detect("\xFF"), CsvEncoding::Ansi, 0));
}

TEST(CsvEncoding, UnmarkedUtf8IsTakenWhenItCannotBeBig5) {
    EXPECT_TRUE(Is(Detect("名稱,傳真\n王小明,1\n"), CsvEncoding::Utf8, 0));
    // Plain ASCII stays as it is.
    EXPECT_TRUE(Is(Detect("Name,Fax\n"), CsvEncoding::Ansi, 0));
    EXPECT_TRUE(Is(Detect(""), CsvEncoding::Ansi, 0));
}

TEST(CsvEncoding, Big5StaysBig5EvenWhenItsBytesFormUtf8) {
    EXPECT_TRUE(Is(Detect(Big5("名稱,傳真\n王小明,1\n")), CsvEncoding::Ansi, 0));
    // 矇纂苳 in Big5 is C3 A9 C4 A1 D0 A4, which UTF-8 reads as éġФ.
    EXPECT_TRUE(Is(Detect(Big5("Name,Fax\n矇纂苳,1\n")), CsvEncoding::Ansi, 0));
    // Neither UTF-8 nor good Big5: byte for byte, as before.
    EXPECT_TRUE(Is(Detect("Name\xA4,Fax\n"), CsvEncoding::Ansi, 0));
}

TEST(CsvEncoding, UnmarkedUtf8NeedsADoubleByteCodePageThatRefusesIt) {
    // Without lead bytes every text follows the code page's rules, so nothing is converted.
    EXPECT_TRUE(Is(Detect("Caf\xC3\xA9,Fax\n", 1252), CsvEncoding::Ansi, 0));
    EXPECT_TRUE(Is(Detect("名稱,傳真\n", 1252), CsvEncoding::Ansi, 0));
    EXPECT_TRUE(Is(Detect("名稱,傳真\n", 932), CsvEncoding::Utf8, 0));
}

platform::FileBytes Content(const std::string& bytes) {
    platform::FileBytes content;
    content.data.reset(new char[bytes.size() + 1]());
    std::memcpy(content.data.get(), bytes.data(), bytes.size());
    content.size = bytes.size();
    return content;
}

std::string Text(const platform::FileBytes& content) {
    EXPECT_EQ(content.data[content.size], '\0');
    return std::string(content.data.get(), content.size);
}

TEST(CsvEncoding, ConvertedTextReplacesTheContents) {
    platform::FileBytes content = Content("\xEF\xBB\xBF名稱,傳真\r\n");
    ASSERT_TRUE(ConvertCsvContent(content));
    EXPECT_EQ(Text(content), Big5("名稱,傳真\r\n"));

    content = Content(std::string("\xFE\xFF\x54\x0D\x00\x2C\x00\x41", 8)); // 名,A in UTF-16BE
    ASSERT_TRUE(ConvertCsvContent(content));
    EXPECT_EQ(Text(content), Big5("名,A"));
}

TEST(CsvEncoding, OtherContentsAreLeftWhereTheyAre) {
    const std::string big5 = Big5("名稱,傳真\n");
    platform::FileBytes content = Content(big5);
    const char* before = content.data.get();
    ASSERT_TRUE(ConvertCsvContent(content));
    EXPECT_EQ(content.data.get(), before);
    EXPECT_EQ(Text(content), big5);
}

TEST(CsvEncoding, ConversionFollowsTheAnsiCodePage) {
    AnsiCodePageScope japanese(932);
    platform::FileBytes content = Content("\xEF\xBB\xBF名前\n");
    ASSERT_TRUE(ConvertCsvContent(content));
    EXPECT_EQ(Text(content), "\x96\xBC\x91\x4F\n"); // 名前 in Shift-JIS
}

} // namespace
