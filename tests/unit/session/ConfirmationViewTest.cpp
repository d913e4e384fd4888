#include "session/ConfirmationView.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

namespace {

SessionLists Picked(int entries, int limit) {
    SessionLists lists;
    lists.limit = limit;
    for (int i = 0; i < entries; ++i)
        lists.recipients.Append("N" + std::to_string(i) + " [" + std::to_string(100 + i) + "]");
    lists.count = entries;
    return lists;
}

TEST(ConfirmationView, LimitNoteWhenValidAccountsExceedTheLimit) {
    const ConfirmationView view = BuildConfirmationView(Picked(200, 200), {260, 250, 10}, 1);
    EXPECT_EQ(view.heading, "\xb1N\xb6\xd7\xa4J200\xb6\xc7\xafu\xb1"
                            "b\xa4\xe1:");
    EXPECT_EQ(view.valid, "250");
    EXPECT_EQ(view.selected, "260");
    EXPECT_EQ(view.excluded, "10");
    EXPECT_EQ(view.limitNote, texts::kLimitNote);
    EXPECT_STREQ(view.excludedLabel, texts::kExcludedFromSelection);
    EXPECT_EQ(view.lines.size(), 200u);

    EXPECT_EQ(BuildConfirmationView(Picked(200, 0), {260, 250, 10}, 1).limitNote, "");
    EXPECT_EQ(BuildConfirmationView(Picked(200, 200), {200, 200, 0}, 2).limitNote, "");
}

TEST(ConfirmationView, FileImportsShowExcludedFromDatabase) {
    const ConfirmationView view = BuildConfirmationView(Picked(3, 0), {3, 3, 7}, 5);
    EXPECT_STREQ(view.excludedLabel, texts::kExcludedFromDatabase);
    EXPECT_EQ(view.excluded, "7");
    for (int type : {4, 6})
        EXPECT_STREQ(BuildConfirmationView(Picked(1, 0), {1, 1, 0}, type).excludedLabel,
                     texts::kExcludedFromDatabase);
    for (int type : {2, 3})
        EXPECT_STREQ(BuildConfirmationView(Picked(1, 0), {1, 1, 0}, type).excludedLabel,
                     texts::kExcludedFromSelection);
}

TEST(ConfirmationView, LinesAreNameTabFax) {
    SessionLists lists;
    lists.recipients.Append("Wang (HQ) [02-555]");
    lists.recipients.Append("B [9]");
    lists.count = 2;
    const ConfirmationView view = BuildConfirmationView(lists, {2, 2, 0}, 4);
    EXPECT_EQ(view.lines, (std::vector<std::string>{"Wang (HQ)\t02-555", "B\t9"}));
}

TEST(ConfirmationView, StatisticsShowAsUnsigned) {
    const ConfirmationView view = BuildConfirmationView(Picked(1, 0), {1, 1, -1}, 4);
    EXPECT_EQ(view.excluded, "4294967295");
}

TEST(ConfirmationView, CancelEmptiesOnlyTheRecipients) {
    SessionLists lists = Picked(3, 200);
    lists.relayTexts.Append("P1");
    CancelSelection(lists);
    EXPECT_EQ(lists.count, 0);
    EXPECT_TRUE(lists.recipients.Empty());
    EXPECT_EQ(lists.relayTexts.Size(), 1u);
    EXPECT_EQ(lists.limit, 200);
}

} // namespace
