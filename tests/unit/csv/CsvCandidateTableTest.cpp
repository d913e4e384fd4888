// The candidate table's one allocation and its bounds.
#include "csv/CsvCandidateTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

TEST(CsvCandidateTable, RefusesTablesThatCannotBeHadOrIndexed) {
    CsvCandidateTable table;
    EXPECT_FALSE(table.Allocate(SIZE_MAX / 2, 4));
    EXPECT_FALSE(table.Allocate(INT_MAX / 2 + 1, 2));
    EXPECT_TRUE(table.Allocate(0, 1024));
    EXPECT_EQ(table.Size(), 0u);
}

TEST(CsvCandidateTable, StartsZeroedAndNeverWritesPastItsRoom) {
    CsvCandidateTable table;
    ASSERT_TRUE(table.Allocate(2, 1));
    CsvCandidate candidate{};
    candidate.faxNumber[0] = '1';
    for (int i = 0; i < 3; ++i)
        table.Append(candidate);
    ASSERT_EQ(table.Size(), 2u);
    EXPECT_STREQ(table.Candidates()[1].faxNumber, "1");
    EXPECT_STREQ(table.Candidates()[1].name, "");
}

} // namespace
