// Whether a text follows the double-byte rules of a code page: every lead byte has its trail.
#include "text/DoubleByteValidation.h"

#include <unicode/ucnv.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

bool Follows(const std::string& text, std::uint32_t codePage) {
    return FollowsDoubleByteRules(text.data(), text.size(), codePage);
}

// Whether ICU reads the two bytes as one character of the code page.
bool IcuReadsOneCharacter(const std::string& name, unsigned char lead, unsigned char trail) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter*)> converter(ucnv_open(name.c_str(), &status),
                                                                 ucnv_close);
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    char16_t units[4];
    const int length = ucnv_toUChars(converter.get(), units, 4, bytes, 2, &status);
    return U_SUCCESS(status) && length == 1;
}

TEST(DoubleByteValidation, Big5TextFollowsTheRules) {
    EXPECT_TRUE(Follows("", 950));
    EXPECT_TRUE(Follows("\xA6W\xBA\xD9,\xB6\xC7\xAFu\r\n", 950)); // 名稱,傳真
    EXPECT_TRUE(Follows("\xB3\\\xA5\\", 950));                    // 許功: trail bytes 0x5C
    EXPECT_TRUE(Follows("\xC3\xA9", 950));                        // 矇, also UTF-8 for é
}

TEST(DoubleByteValidation, LeadByteWithoutItsTrailBreaksTheRules) {
    EXPECT_FALSE(Follows("\xE5\x90\x8D", 950)); // 名 in UTF-8: 0x90 is no Big5 trail byte
    EXPECT_FALSE(Follows("ab\xA4", 950));       // a lead byte at the end
    EXPECT_FALSE(Follows("\xA4,", 950));
    EXPECT_FALSE(Follows("\xA4\x7F", 950));
    // The trail byte is taken with its lead, not looked at as a lead itself.
    EXPECT_TRUE(Follows("\xA4\xA4\xA4\xA4", 950));
    EXPECT_FALSE(Follows("\xA4\xA4\xA4", 950));
}

TEST(DoubleByteValidation, LeadBytesAreTheCodePages) {
    // B1 is a lead byte in Big5 but a single-byte character in Shift-JIS.
    EXPECT_FALSE(Follows("\xB1"
                         "1",
                         950));
    EXPECT_TRUE(Follows("\xB1"
                        "1",
                        932));
}

TEST(DoubleByteValidation, SingleByteCodePagesAcceptEveryText) {
    const std::string bytes = "\xE5\x90\x8D\xFF\x80\xA4";
    EXPECT_TRUE(Follows(bytes, 1252));
    EXPECT_TRUE(Follows(bytes, 1258));
}

TEST(DoubleByteValidation, FindsALeadByteAtEveryPlaceOfALongText) {
    for (std::size_t at = 0; at < 70; ++at) {
        const std::string before(at, 'a');
        EXPECT_TRUE(Follows(before + "\xA4\xFD" + std::string(70 - at, 'b'), 950)) << at;
        EXPECT_FALSE(Follows(before + "\xA4", 950)) << at;
        EXPECT_FALSE(Follows(before + "\xA4," + std::string(70 - at, 'b'), 950)) << at;
    }
}

struct TrailCase {
    std::uint32_t codePage;
    const char* icuName;
    unsigned char lead; // a lead byte whose every valid pair is assigned
};

TEST(DoubleByteValidation, TrailBytesAreThoseIcuReadsAfterAFullRow) {
    for (const TrailCase& row :
         {TrailCase{950, "windows-950", 0xA4}, TrailCase{932, "windows-932", 0x89},
          TrailCase{936, "windows-936", 0xB0}, TrailCase{949, "windows-949", 0xB0}}) {
        for (int trail = 0; trail < 256; ++trail) {
            const auto byte = static_cast<unsigned char>(trail);
            EXPECT_EQ(IsTrailByte(row.codePage, byte),
                      IcuReadsOneCharacter(row.icuName, row.lead, byte))
                << row.codePage << " " << trail;
        }
    }
}

} // namespace
