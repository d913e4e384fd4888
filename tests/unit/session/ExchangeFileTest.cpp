#include "session/ExchangeFile.h"
#include "session/RecipientRecord.h"

#include <gtest/gtest.h>

namespace {

SessionLists ListsOf(std::initializer_list<const char*> entries) {
    SessionLists lists;
    for (const char* entry : entries)
        lists.recipients.Append(entry);
    lists.count = static_cast<int32_t>(entries.size());
    return lists;
}

TEST(SplitRecipientEntry, SplitsAtTheLastBracketPair) {
    char name[kSplitBufferSize];
    char fax[kSplitBufferSize];
    SplitRecipientEntry("Lee (Sales) [02-1234]", name, fax);
    EXPECT_STREQ(name, "Lee (Sales)");
    EXPECT_STREQ(fax, "02-1234");

    SplitRecipientEntry("\xa4\xfd\xa4j\xa9\xfa [+886(2)555]", name, fax);
    EXPECT_STREQ(name, "\xa4\xfd\xa4j\xa9\xfa");
    EXPECT_STREQ(fax, "+886(2)555");

    SplitRecipientEntry(" []", name, fax);
    EXPECT_STREQ(name, "");
    EXPECT_STREQ(fax, "");
}

TEST(SplitRecipientEntry, NeverWritesPastItsBuffers) {
    char name[kSplitBufferSize];
    char fax[kSplitBufferSize];
    const std::string entry = std::string(100, 'n') + " [" + std::string(100, '9') + "]";
    SplitRecipientEntry(entry.c_str(), name, fax);
    EXPECT_EQ(std::string(name), std::string(31, 'n'));
    EXPECT_EQ(std::string(fax), std::string(31, '9'));
}

TEST(ExchangeFile, ThreeRecipientsGive190Bytes) {
    ExchangeFileBuffer file;
    AppendRecipientRecords(ListsOf({"A [1]", "B [2]", "C [3]"}), file);
    const std::string& bytes = file.Bytes();
    ASSERT_EQ(bytes.size(), 190u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(4, 62),
              std::string("A") + std::string(30, '\0') + "1" + std::string(30, '\0'));
    EXPECT_EQ(bytes[4 + 2 * 62], 'C');
    EXPECT_EQ(bytes[4 + 2 * 62 + 31], '3');
}

TEST(ExchangeFile, ThirtyByteNameEndsWithZeroAtOffset30) {
    const std::string name(30, 'x');
    SessionLists lists = ListsOf({});
    lists.recipients.Append(name + " [" + std::string(30, '5') + "]");
    lists.count = 1;
    ExchangeFileBuffer file;
    AppendRecipientRecords(lists, file);
    const std::string record = file.Bytes().substr(4);
    ASSERT_EQ(record.size(), 62u);
    EXPECT_EQ(record.substr(0, 30), name);
    EXPECT_EQ(record[30], '\0');
    EXPECT_EQ(record.substr(31, 30), std::string(30, '5'));
    EXPECT_EQ(record[61], '\0');
}

TEST(ExchangeFile, LongerNamesAndNumbersAreCutAtACharacterWithinThirtyBytes) {
    const std::string big5 = "\xb6\xc7"; // a two-byte character
    struct Case {
        std::string name, fax, storedName, storedFax;
    } cases[] = {
        {std::string(31, 'n'), std::string(31, '9'), std::string(30, 'n'), std::string(30, '9')},
        // A character from byte 29 on does not fit and goes whole.
        {std::string(29, 'n') + big5, "1", std::string(29, 'n'), "1"},
        {std::string(28, 'n') + big5 + "x", "1", std::string(28, 'n') + big5, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExchangeFileBuffer file;
        AppendRecipientRecords(ListsOf({(c.name + " [" + c.fax + "]").c_str()}), file);
        const std::string record = file.Bytes().substr(4);
        ASSERT_EQ(record.size(), 62u);
        EXPECT_EQ(std::string(record.c_str()), c.storedName);
        EXPECT_EQ(std::string(record.c_str() + 31), c.storedFax);
        EXPECT_EQ(record[30], '\0');
        EXPECT_EQ(record[61], '\0');
    }
}

TEST(ExchangeFile, CountAlwaysMatchesTheRecords) {
    SessionLists lists = ListsOf({"A [1]"});
    lists.count = 5; // more than there are entries
    ExchangeFileBuffer file;
    AppendRecipientRecords(lists, file);
    EXPECT_EQ(file.Bytes().size(), 4u + 62);
    EXPECT_EQ(file.Bytes()[0], 1);

    lists.count = 0;
    ExchangeFileBuffer empty;
    AppendRecipientRecords(lists, empty);
    EXPECT_EQ(empty.Bytes(), std::string(4, '\0'));
}

TEST(ExchangeFile, CountIsLittleEndian) {
    ExchangeFileBuffer file;
    file.AppendInt32(0x01020304);
    file.AppendInt32(-2);
    EXPECT_EQ(file.Bytes(), std::string("\x04\x03\x02\x01\xfe\xff\xff\xff", 8));
}

} // namespace
