#include "ExchangeFileDecoder.h"
#include "speeddial/SpeedDialRecord.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Count(int32_t count) {
    std::string bytes(4, '\0');
    std::memcpy(bytes.data(), &count, 4);
    return bytes;
}

std::string Recipient(const std::string& name, const std::string& fax) {
    std::string record(62, '\0');
    record.replace(0, name.size(), name);
    record.replace(31, fax.size(), fax);
    return record;
}

std::string Value(const DecodedRecord& record, const std::string& member) {
    for (const auto& [name, value] : record.members)
        if (name == member)
            return value;
    return "<missing>";
}

TEST(ExchangeFileDecoder, RecipientRecordsDecodeBig5ToUtf8) {
    const std::string bytes = Count(2) + Recipient("\xa4\xfd\xa4j\xa9\xfa", "02-2700") +
                              Recipient(std::string(31, 'x'), "9"); // name without terminator
    const DecodeResult result = DecodeExchangeFile(bytes, std::nullopt, 950);
    ASSERT_TRUE(result.file) << result.error;
    EXPECT_EQ(result.file->kind, RecordKind::Recipients);
    ASSERT_EQ(result.file->records.size(), 2u);
    EXPECT_EQ(Value(result.file->records[0], "name"), "王大明");
    EXPECT_EQ(Value(result.file->records[0], "faxNumber"), "02-2700");
    EXPECT_EQ(Value(result.file->records[1], "name"), std::string(31, 'x'));
}

TEST(ExchangeFileDecoder, SpeedDialRecordsDecodeEveryMember) {
    SpeedDialRecord record = recordTemplate;
    std::strcpy(record.name, "\xb4\xfa\xb8\xd5");
    std::strcpy(record.faxNumber, "0227001234");
    record.commMode = 2;
    record.transmitType = '1';
    std::strcpy(record.confidentialBox, "12");
    std::strcpy(record.confidentialPassword, "3456");
    std::strcpy(record.relayStation, "7");
    record.relayOption = '1';
    record.relayTargetCount = 2;
    std::memcpy(record.relayTargets[0], "005", 3);
    std::memcpy(record.relayTargets[1], "0#1", 3);
    record.speedDialNumber = 42;
    std::strcpy(record.fcodeSubaddress, "sub");
    std::strcpy(record.fcodePassword, "pw");
    std::string bytes = Count(1);
    bytes.append(reinterpret_cast<const char*>(&record), sizeof record);

    const DecodeResult result = DecodeExchangeFile(bytes, std::nullopt, 950);
    ASSERT_TRUE(result.file) << result.error;
    EXPECT_EQ(result.file->kind, RecordKind::SpeedDial);
    const DecodedRecord& decoded = result.file->records.at(0);
    EXPECT_EQ(Value(decoded, "name"), "測試");
    EXPECT_EQ(Value(decoded, "faxNumber"), "0227001234");
    EXPECT_EQ(Value(decoded, "commMode"), "2");
    EXPECT_EQ(Value(decoded, "transmitType"), "1");
    EXPECT_EQ(Value(decoded, "confidentialBox"), "12");
    EXPECT_EQ(Value(decoded, "confidentialPassword"), "3456");
    EXPECT_EQ(Value(decoded, "relayStation"), "7");
    EXPECT_EQ(Value(decoded, "relayOption"), "1");
    EXPECT_EQ(Value(decoded, "relayTargetCount"), "2");
    EXPECT_EQ(Value(decoded, "relayTargets"), "005/0#1");
    EXPECT_EQ(Value(decoded, "speedDialNumber"), "42");
    EXPECT_EQ(Value(decoded, "fcodeSubaddress"), "sub");
    EXPECT_EQ(Value(decoded, "fcodePassword"), "pw");
}

TEST(ExchangeFileDecoder, FilesThatFitNeitherKindAreErrors) {
    EXPECT_FALSE(DecodeExchangeFile("", std::nullopt, 950).file);
    EXPECT_FALSE(DecodeExchangeFile(Count(1) + "short", std::nullopt, 950).file);
    EXPECT_FALSE(DecodeExchangeFile(Count(-1), std::nullopt, 950).file);
    EXPECT_FALSE(DecodeExchangeFile(Count(2) + Recipient("a", "1"), std::nullopt, 950).file);
    // A recipient file read as speed-dial records.
    const DecodeResult forced =
        DecodeExchangeFile(Count(1) + Recipient("a", "1"), RecordKind::SpeedDial, 950);
    EXPECT_FALSE(forced.file);
    EXPECT_NE(forced.error.find("speed-dial"), std::string::npos);

    const DecodeResult empty = DecodeExchangeFile(Count(0), std::nullopt, 950);
    ASSERT_TRUE(empty.file);
    EXPECT_TRUE(empty.file->records.empty());
}

TEST(ExchangeFileDecoder, JsonEscapesQuotesAndControlBytes) {
    const DecodeResult result =
        DecodeExchangeFile(Count(1) + Recipient("a\"b\\c\td", "1"), std::nullopt, 950);
    ASSERT_TRUE(result.file);
    EXPECT_EQ(FormatAsJson(*result.file),
              "{\"kind\": \"recipients\", \"count\": 1, \"records\": [\n"
              "  {\"name\": \"a\\\"b\\\\c\\u0009d\", \"faxNumber\": \"1\"}\n]}\n");
    EXPECT_EQ(FormatAsText(*result.file), "1 recipients record\n\n#1\n  name: a\"b\\c\td\n"
                                          "  faxNumber: 1\n");
}

} // namespace
