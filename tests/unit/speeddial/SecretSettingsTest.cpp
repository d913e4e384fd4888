// The confidential-fax and F-code members that the writer fills from a picked entry's texts.
#include "speeddial/SecretSettings.h"
#include "SpeedDialTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Confidential {
    int result = -1;
    std::string box;
    std::string password;
};

Confidential ApplyConfidential(std::string_view text, int32_t version = 2) {
    SpeedDialRecord record = recordTemplate;
    std::memset(record.confidentialBox, 'x', sizeof record.confidentialBox);
    std::memset(record.confidentialPassword, 'y', sizeof record.confidentialPassword);
    const int result = ApplyConfidentialSetting(record, text, version);
    EXPECT_EQ(record.confidentialBox[3], '\0');
    EXPECT_EQ(record.confidentialPassword[4], '\0');
    return {result, std::string(MemberText(record.confidentialBox)),
            std::string(MemberText(record.confidentialPassword))};
}

struct FCode {
    std::string subaddress;
    std::string password;
};

FCode ApplyFCode(std::string_view text, int32_t version = 2) {
    SpeedDialRecord record = recordTemplate;
    std::memset(record.fcodeSubaddress, 'x', sizeof record.fcodeSubaddress);
    std::memset(record.fcodePassword, 'y', sizeof record.fcodePassword);
    ApplyFCodeSetting(record, text, version);
    EXPECT_EQ(record.fcodeSubaddress[20], '\0');
    EXPECT_EQ(record.fcodePassword[20], '\0');
    return {std::string(MemberText(record.fcodeSubaddress)),
            std::string(MemberText(record.fcodePassword))};
}

void ExpectConfidential(const Confidential& actual, int result, const char* box,
                        const char* password) {
    EXPECT_EQ(actual.result, result);
    EXPECT_EQ(actual.box, box);
    EXPECT_EQ(actual.password, password);
}

TEST(ApplyConfidentialSetting, BoxAndPassword) {
    ExpectConfidential(ApplyConfidential("123:4567"), 1, "123", "4567");
    ExpectConfidential(ApplyConfidential("12345:56789"), 1, "123", "5678");
    ExpectConfidential(ApplyConfidential("7:"), 1, "7", "");
    ExpectConfidential(ApplyConfidential("7"), 1, "7", "");
    ExpectConfidential(ApplyConfidential("1:2:3:4"), 1, "1", "2:3:");
}

TEST(ApplyConfidentialSetting, AShortPasswordIsStoredButInvalid) {
    ExpectConfidential(ApplyConfidential("123:45"), 0, "123", "45");
    ExpectConfidential(ApplyConfidential("123:456"), 0, "123", "456");
}

TEST(ApplyConfidentialSetting, NoBoxNoSetting) {
    ExpectConfidential(ApplyConfidential(""), 0, "", "");
    ExpectConfidential(ApplyConfidential(":4567"), 0, "", "4567");
}

TEST(ApplyConfidentialSetting, AnyLengthOfTextIsReadWhole) {
    const std::string longBox = std::string(200, '9') + ":1234";
    ExpectConfidential(ApplyConfidential(longBox), 1, "999", "1234");
    ExpectConfidential(ApplyConfidential("1:" + std::string(300, '8')), 1, "1", "8888");
}

TEST(ApplyConfidentialSetting, VersionZeroTextsAreMaskedAsAWhole) {
    ExpectConfidential(ApplyConfidential(Masked("123:4567"), 0), 1, "123", "4567");
    ExpectConfidential(ApplyConfidential(Masked("12:34"), 0), 0, "12", "34");
    ExpectConfidential(ApplyConfidential("123:456", 0), 0, "", ""); // does not decode
    ExpectConfidential(ApplyConfidential(Masked(std::string(48, '1')), 0), 0, "", "");
    ExpectConfidential(ApplyConfidential(Masked("123:4567"), 1), 1, "ZGV", ""); // taken as it is
}

TEST(ApplyFCodeSetting, SubaddressAndPasswordOfAtMostTwentyBytes) {
    const FCode plain = ApplyFCode("12345:9876");
    EXPECT_EQ(plain.subaddress, "12345");
    EXPECT_EQ(plain.password, "9876");

    const FCode cut = ApplyFCode(std::string(25, '1') + ":" + std::string(25, '2'));
    EXPECT_EQ(cut.subaddress, std::string(20, '1'));
    EXPECT_EQ(cut.password, std::string(20, '2'));

    const FCode noColon = ApplyFCode("0042");
    EXPECT_EQ(noColon.subaddress, "0042");
    EXPECT_EQ(noColon.password, "");

    const FCode empty = ApplyFCode("");
    EXPECT_EQ(empty.subaddress, "");
    EXPECT_EQ(empty.password, "");
}

TEST(ApplyFCodeSetting, VersionZeroTextsAreMaskedAsAWhole) {
    const FCode masked = ApplyFCode(Masked("12345:9876"), 0);
    EXPECT_EQ(masked.subaddress, "12345");
    EXPECT_EQ(masked.password, "9876");
    const FCode longest = ApplyFCode(Masked(std::string(20, '3') + ":" + std::string(20, '4')), 0);
    EXPECT_EQ(longest.subaddress, std::string(20, '3'));
    EXPECT_EQ(longest.password, std::string(20, '4'));
    const FCode undecodable = ApplyFCode("12345:987", 0);
    EXPECT_EQ(undecodable.subaddress, "");
    EXPECT_EQ(undecodable.password, "");
}

} // namespace
