// Telling well-formed UTF-8 from other bytes.
#include "text/Utf8Validation.h"

#include <unicode/ucnv.h>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

namespace {

bool WellFormed(const std::string& text) {
    return IsWellFormedUtf8(text.data(), text.size());
}

// ICU's strict UTF-8 decoder: the reference for every byte string.
bool IcuAccepts(const std::string& text) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter*)> converter(ucnv_open("UTF-8", &status),
                                                                 ucnv_close);
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    char16_t units[64];
    ucnv_toUChars(converter.get(), units, 64, text.data(), static_cast<int32_t>(text.size()),
                  &status);
    return U_SUCCESS(status);
}

TEST(Utf8Validation, AcceptsEveryLengthUpToTheLastCodePoint) {
    EXPECT_TRUE(WellFormed(""));
    EXPECT_TRUE(WellFormed("Name,Fax\r\n"));
    EXPECT_TRUE(WellFormed("\xC2\x80\xDF\xBF"));                 // U+0080, U+07FF
    EXPECT_TRUE(WellFormed("\xE0\xA0\x80\xEF\xBF\xBF"));         // U+0800, U+FFFF
    EXPECT_TRUE(WellFormed("\xED\x9F\xBF\xEE\x80\x80"));         // around the surrogates
    EXPECT_TRUE(WellFormed("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF")); // U+10000, U+10FFFF
    EXPECT_TRUE(WellFormed("名稱,傳真"));
}

TEST(Utf8Validation, RefusesOverlongSurrogatesAndTooLargeForms) {
    EXPECT_FALSE(WellFormed("\xC0\x80"));
    EXPECT_FALSE(WellFormed("\xC1\xBF"));
    EXPECT_FALSE(WellFormed("\xE0\x9F\xBF"));
    EXPECT_FALSE(WellFormed("\xED\xA0\x80")); // U+D800
    EXPECT_FALSE(WellFormed("\xF0\x8F\xBF\xBF"));
    EXPECT_FALSE(WellFormed("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(WellFormed("\xF5\x80\x80\x80"));
    EXPECT_FALSE(WellFormed("\xFF"));
}

TEST(Utf8Validation, RefusesBrokenSequences) {
    EXPECT_FALSE(WellFormed("\x80"));
    EXPECT_FALSE(WellFormed("a\xBF"));
    EXPECT_FALSE(WellFormed("\xE4\xB8"));     // cut at the end
    EXPECT_FALSE(WellFormed("\xE4\xB8,"));    // cut before a comma
    EXPECT_FALSE(WellFormed("\xF0\x9F\x98")); // three of four bytes
    EXPECT_FALSE(WellFormed("\xA4\xFD"));     // 王 in Big5
}

TEST(Utf8Validation, AgreesWithIcuOnRandomBytes) {
    std::mt19937 random(7);
    static const unsigned char kBytes[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0,
                                           0xBF, 0xC0, 0xC1, 0xC2, 0xDF, 0xE0, 0xE4, 0xED,
                                           0xEF, 0xF0, 0xF4, 0xF5, 0xFE, 0xFF};
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (std::uint32_t length = random() % 6; length > 0; --length)
            text += static_cast<char>(kBytes[random() % sizeof kBytes]);
        const bool ours = WellFormed(text);
        accepted += ours;
        ASSERT_EQ(ours, IcuAccepts(text)) << ::testing::PrintToString(text);
    }
    EXPECT_GT(accepted, 1000); // the samples reach both answers
}

TEST(Utf8Validation, NonAsciiByteIsAnyByteFrom0x80) {
    EXPECT_FALSE(HasNonAsciiByte("", 0));
    const std::string ascii = "Name,Fax\x7F\r\n";
    EXPECT_FALSE(HasNonAsciiByte(ascii.data(), ascii.size()));
    const std::string late = std::string(1000, 'a') + "\x80";
    EXPECT_TRUE(HasNonAsciiByte(late.data(), late.size()));
}

// ASCII is passed over a word at a time: every place of a long text is looked at all the same.
TEST(Utf8Validation, FindsASequenceAtEveryPlaceOfALongText) {
    for (std::size_t at = 0; at < 70; ++at) {
        const std::string before(at, 'a');
        const std::string after(70 - at, 'b');
        const std::string high = before + "\x80" + after;
        EXPECT_TRUE(HasNonAsciiByte(high.data(), high.size())) << at;
        EXPECT_FALSE(WellFormed(high)) << at;
        EXPECT_TRUE(WellFormed(before + "\xE5\x90\x8D" + after)) << at; // 名
        EXPECT_FALSE(WellFormed(before + "\xE5\x90")) << at;
        const std::string ascii = before + after;
        EXPECT_FALSE(HasNonAsciiByte(ascii.data(), ascii.size())) << at;
    }
}

} // namespace
