// The record template, the bounded member copy and the table's slots.
#include "speeddial/SpeedDialRecord.h"
#include "speeddial/SpeedDialTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace {

TEST(SpeedDialRecord, TemplateIsZeroButOrdinaryTransmitTypeAndRelayOption) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&recordTemplate);
    for (std::size_t offset = 0; offset < sizeof recordTemplate; ++offset) {
        const unsigned expected = offset == 68 || offset == 83 ? '0' : 0;
        EXPECT_EQ(bytes[offset], expected) << "offset " << offset;
    }
}

TEST(SpeedDialRecord, CopyToMemberKeepsRoomForTheTerminatorAndClearsTheRest) {
    SpeedDialRecord record = recordTemplate;
    std::memset(record.confidentialBox, 'x', sizeof record.confidentialBox);
    std::memset(record.confidentialPassword, 'y', sizeof record.confidentialPassword);

    CopyToMember(record.confidentialBox, "12345");
    EXPECT_EQ(std::string(record.confidentialBox, 4), std::string("123\0", 4));
    EXPECT_EQ(std::string(record.confidentialPassword, 5), "yyyyy"); // the neighbour is untouched

    CopyToMember(record.confidentialPassword, std::string_view("9\0"
                                                               "87",
                                                               4));
    EXPECT_EQ(std::string(record.confidentialPassword, 5), std::string("9\0\0\0\0", 5));
}

TEST(SpeedDialRecord, MemberTextStopsAtTheMembersEndWithoutATerminator) {
    SpeedDialRecord record = recordTemplate;
    std::memcpy(record.relayTargets[0], "005", 3);
    std::memcpy(record.relayTargets[1], "0#1", 3);
    EXPECT_EQ(MemberText(record.relayTargets[0]), "005");
    EXPECT_EQ(MemberText(record.name), "");
}

TEST(SpeedDialTable, SlotsStartFromTheTemplateAndARejectedSlotIsReused) {
    SpeedDialTable table;
    EXPECT_FALSE(table.Exists());
    ASSERT_TRUE(table.Allocate(2));
    EXPECT_TRUE(table.Exists());
    EXPECT_EQ(table.Size(), 0u);

    SpeedDialRecord* first = table.StartRecord();
    ASSERT_NE(first, nullptr);
    CopyToMember(first->name, "dropped");
    table.DropLastRecord();
    SpeedDialRecord* reused = table.StartRecord();
    ASSERT_EQ(reused, first);
    EXPECT_EQ(std::memcmp(reused, &recordTemplate, sizeof recordTemplate), 0);

    ASSERT_NE(table.StartRecord(), nullptr);
    EXPECT_EQ(table.StartRecord(), nullptr); // the room is used up; nothing moved
    EXPECT_EQ(&table[0], first);
    EXPECT_EQ(table.Size(), 2u);

    table.Free();
    EXPECT_FALSE(table.Exists());
    EXPECT_EQ(table.Size(), 0u);
}

TEST(SpeedDialTable, AnEmptyTableExistsAndATableTooLargeForMemoryIsRefused) {
    SpeedDialTable table;
    ASSERT_TRUE(table.Allocate(0));
    EXPECT_TRUE(table.Exists());
    EXPECT_EQ(table.StartRecord(), nullptr);

    EXPECT_FALSE(table.Allocate(std::numeric_limits<std::size_t>::max() / sizeof(SpeedDialRecord)));
    EXPECT_FALSE(table.Exists());
}

} // namespace
