// Walking the picked entries and distribution lists against a scripted address book.
#include "addressbook/AddressListImport.h"

#include "FakeAddressBook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

struct Counts {
    int32_t selected;
    int32_t valid;
    int32_t excluded;
    bool operator==(const Counts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Counts& counts) {
    return out << "selected " << counts.selected << ", valid " << counts.valid << ", excluded "
               << counts.excluded;
}

class ImportAddressListTest : public ::testing::Test {
  protected:
    void Import(const Strings& picked) {
        const std::unique_ptr<fake::Rows> rows = book.Picked(picked);
        ImportAddressList(book, *rows, lists, statistics);
    }
    Strings Recipients() const { return Strings(lists.recipients.begin(), lists.recipients.end()); }
    Counts Statistics() const {
        return {statistics.selectedCount, statistics.validCount, statistics.excludedCount};
    }
    void TearDown() override {
        // Every object, row set and remembered identifier is given back, to the right allocator.
        EXPECT_EQ(book.liveObjects, 0);
        EXPECT_EQ(book.liveRowSets, 0);
        EXPECT_EQ(book.LiveBuffers(), 0u);
        EXPECT_EQ(book.foreignFrees, 0);
        EXPECT_EQ(book.comparisonsOutsideBuffers, 0);
        EXPECT_EQ(lists.count, static_cast<int32_t>(lists.recipients.Size()));
    }

    fake::AddressBook book;
    SessionLists lists;
    ImportStatistics statistics;
};

// Picked mail users and entries of other kinds.

TEST_F(ImportAddressListTest, PickedMailUsersGiveRecipientsInPickedOrder) {
    book.MailUser("b", "Bob", "2");
    book.MailUser("a", "Alice", "1", "11");
    Import({"b", "a"});
    EXPECT_EQ(Recipients(), (Strings{"Bob [2]", "Alice [1]", "Alice [11]"}));
    EXPECT_EQ(Statistics(), (Counts{2, 3, 0}));
}

TEST_F(ImportAddressListTest, AsksEachMailUserForNameAndTheThreeFaxNumbers) {
    book.MailUser("a", "Alice", "1");
    Import({"a"});
    EXPECT_EQ(book.propTagsAsked,
              (std::vector<std::uint32_t>{0x3001001E, 0x3A23001E, 0x3A24001E, 0x3A25001E}));
}

TEST_F(ImportAddressListTest, MailUserWithoutUsableNumberIsSelectedAndExcluded) {
    book.MailUser("none", "None", std::nullopt);
    book.MailUser("long", "Long", std::string(31, '9'));
    book.MailUser("blank", "Blank", "   ");
    book.MailUser("ok", "Ok", "1");
    Import({"none", "long", "blank", "ok"});
    EXPECT_EQ(Recipients(), (Strings{"Ok [1]"}));
    EXPECT_EQ(Statistics(), (Counts{4, 1, 3}));
}

TEST_F(ImportAddressListTest, EntriesOfAnotherTypeAreSelectedAndExcludedUnopened) {
    book.Other("folder", 3);
    book.Other("container", 4);
    Import({"folder", "container"});
    EXPECT_TRUE(book.opened.empty());
    EXPECT_EQ(Statistics(), (Counts{2, 0, 2}));
}

TEST_F(ImportAddressListTest, EntriesWithoutIdentifierOrTypeAreSelectedAndExcludedUnopened) {
    book.MailUser("noid", "NoId", "1").rowWithoutEntryId = true;
    book.MailUser("notype", "NoType", "2").rowWithoutObjectType = true;
    book.DistList("list", {"noid", "notype"});
    Import({"noid", "notype", "list"});
    EXPECT_EQ(book.opened, (Strings{"list"}));
    EXPECT_TRUE(lists.recipients.Empty());
    EXPECT_EQ(Statistics(), (Counts{4, 0, 4}));
}

TEST_F(ImportAddressListTest, StartsTheCountAtZero) {
    lists.count = 7;
    book.MailUser("a", "A", std::nullopt);
    Import({"a"});
    EXPECT_EQ(lists.count, 0);
}

TEST_F(ImportAddressListTest, LimitStopsAddingButNotCounting) {
    lists.limit = kHostRecipientLimit;
    Strings members;
    for (int n = 0; n < 250; ++n) {
        members.push_back("c" + std::to_string(n));
        book.MailUser(members.back(), "C", std::to_string(n));
    }
    book.DistList("all", members);
    Import({"all"});
    EXPECT_EQ(lists.count, 200);
    EXPECT_EQ(Recipients().back(), "C [199]");
    EXPECT_EQ(Statistics(), (Counts{250, 250, 0}));
}

// Distribution lists.

TEST_F(ImportAddressListTest, MembersAreWalkedDepthFirstOneRowPerRead) {
    book.MailUser("a", "A", "1");
    book.MailUser("b", "B", "2");
    book.MailUser("c", "C", "3");
    book.DistList("inner", {"b"});
    book.DistList("outer", {"a", "inner", "c"});
    Import({"outer"});
    EXPECT_EQ(Recipients(), (Strings{"A [1]", "B [2]", "C [3]"}));
    EXPECT_EQ(book.opened, (Strings{"outer", "a", "inner", "b", "c"}));
    EXPECT_EQ(book.columnsSet, (std::vector<std::uint32_t>{0x3001001E, 0x0FFF0102, 0x0FFE0003}));
    // Three rows and the end of "outer", one row and the end of "inner".
    EXPECT_EQ(book.rowCountsAsked, std::vector<int>(6, 1));
    // Lists are not counted themselves.
    EXPECT_EQ(Statistics(), (Counts{3, 3, 0}));
}

TEST_F(ImportAddressListTest, EveryRowOfALargerReadIsExamined) {
    book.MailUser("a", "A", "1");
    book.MailUser("b", "B", "2");
    book.MailUser("c", "C", "3");
    book.DistList("list", {"a", "b", "c"}).rowsPerRead = 2;
    Import({"list"});
    EXPECT_EQ(Recipients(), (Strings{"A [1]", "B [2]", "C [3]"}));
}

TEST_F(ImportAddressListTest, TableEndingWithoutRowSetEndsTheWalk) {
    book.MailUser("a", "A", "1");
    book.DistList("list", {"a"}).endWithoutRowSet = true;
    Import({"list"});
    EXPECT_EQ(Recipients(), (Strings{"A [1]"}));
}

TEST_F(ImportAddressListTest, ListContainingItselfIsExpandedOnce) {
    book.MailUser("a", "A", "1");
    book.DistList("self", {"a", "self"});
    Import({"self"});
    EXPECT_EQ(Recipients(), (Strings{"A [1]"}));
    EXPECT_EQ(book.opened, (Strings{"self", "a"}));
    EXPECT_EQ(Statistics(), (Counts{1, 1, 0}));
}

TEST_F(ImportAddressListTest, ListsContainingEachOtherAreExpandedOnceEach) {
    book.MailUser("a", "A", "1");
    book.MailUser("b", "B", "2");
    book.DistList("one", {"a", "two"});
    book.DistList("two", {"one", "b", "two"});
    Import({"one"});
    EXPECT_EQ(Recipients(), (Strings{"A [1]", "B [2]"}));
    EXPECT_EQ(book.opened, (Strings{"one", "a", "two", "b"}));
}

TEST_F(ImportAddressListTest, SameListPickedTwiceIsExpandedTwice) {
    book.MailUser("a", "A", "1");
    book.MailUser("x", "X", std::nullopt);
    book.DistList("list", {"a", "x"});
    Import({"list", "list"});
    EXPECT_EQ(Recipients(), (Strings{"A [1]"}));
    // The second pass finds a duplicate and another number-less member.
    EXPECT_EQ(Statistics(), (Counts{4, 1, 3}));
}

TEST_F(ImportAddressListTest, EmptyListAddsToNoCounter) {
    book.DistList("empty", {});
    Import({"empty"});
    EXPECT_EQ(Statistics(), (Counts{0, 0, 0}));
}

TEST_F(ImportAddressListTest, ThreeHundredNestedListsExpandTheFirst256) {
    for (int n = 0; n < 300; ++n) {
        const std::string id = "list" + std::to_string(n);
        book.MailUser("member" + std::to_string(n), "M", std::to_string(n));
        Strings members{"member" + std::to_string(n)};
        if (n + 1 < 300)
            members.push_back("list" + std::to_string(n + 1));
        book.DistList(id, members);
    }
    Import({"list0"});
    EXPECT_EQ(lists.count, 256);
    EXPECT_EQ(Recipients().back(), "M [255]");
    // The 257th list is counted as one selected and excluded entry and not opened.
    EXPECT_EQ(Statistics(), (Counts{257, 256, 1}));
    EXPECT_EQ(book.allocations, 256);
    EXPECT_EQ(std::count(book.opened.begin(), book.opened.end(), "list256"), 0);
}

TEST_F(ImportAddressListTest, PickedListsBeyond256AreCountedNotExpanded) {
    book.MailUser("a", "A", "1");
    book.DistList("list", {"a"});
    Import(Strings(258, "list"));
    EXPECT_EQ(book.allocations, 256);
    EXPECT_EQ(Statistics(), (Counts{256 + 2, 1, 255 + 2}));
}

TEST_F(ImportAddressListTest, RememberedListsLiveInTheProvidersMemory) {
    book.MailUser("a", "A", "1");
    book.DistList("inner", {"a"});
    book.DistList("outer", {"inner", "inner"});
    Import({"outer"});
    EXPECT_EQ(book.allocations, 2);
    EXPECT_EQ(Recipients(), (Strings{"A [1]"}));
}

TEST_F(ImportAddressListTest, ListThatCannotBeRememberedIsCountedNotExpanded) {
    book.MailUser("a", "A", "1");
    book.DistList("list", {"a"});
    book.allocationFails = true;
    Import({"list"});
    EXPECT_TRUE(book.opened.empty());
    EXPECT_EQ(Statistics(), (Counts{1, 0, 1}));
}

// Comparison verdicts.

TEST_F(ImportAddressListTest, NestedListIsSkippedWhenNoComparisonSucceeds) {
    book.MailUser("a", "A", "1");
    book.MailUser("b", "B", "2");
    book.DistList("inner", {"b"});
    book.DistList("outer", {"a", "inner"});
    book.compareFails = true;
    Import({"outer"});
    EXPECT_EQ(Recipients(), (Strings{"A [1]"}));
    EXPECT_EQ(Statistics(), (Counts{1, 1, 0}));
}

TEST_F(ImportAddressListTest, FailedComparisonKeepsTheVerdictOfTheOthers) {
    book.MailUser("b", "B", "2");
    book.DistList("inner", {"b"});
    book.DistList("middle", {"inner"});
    book.DistList("outer", {"middle"});
    // For "inner", "outer" says another object and the comparison with "middle" fails.
    book.compareFailsFor = {"middle"};
    Import({"outer"});
    EXPECT_EQ(Recipients(), (Strings{"B [2]"}));
}

// Provider failures.

TEST_F(ImportAddressListTest, MailUserThatCannotBeOpenedOrReadIsSelectedAndExcluded) {
    book.MailUser("closed", "Closed", "1").openFails = true;
    book.MailUser("unread", "Unread", "2").getPropsFails = true;
    book.MailUser("ok", "Ok", "3");
    Import({"closed", "unread", "ok"});
    EXPECT_EQ(Recipients(), (Strings{"Ok [3]"}));
    EXPECT_EQ(Statistics(), (Counts{3, 1, 2}));
}

TEST_F(ImportAddressListTest, ListFailingBeforeItsFirstRowIsPassedOver) {
    book.MailUser("a", "A", "1");
    book.MailUser("z", "Z", "9");
    book.DistList("closed", {"a"}).openFails = true;
    book.DistList("notable", {"a"}).contentsTableFails = true;
    book.DistList("nocolumns", {"a"}).setColumnsFails = true;
    book.DistList("noseek", {"a"}).seekFails = true;
    book.DistList("unread", {"a"}).readFailsAfterRows = 0;
    Import({"closed", "notable", "nocolumns", "noseek", "unread", "z"});
    EXPECT_EQ(Recipients(), (Strings{"Z [9]"}));
    EXPECT_EQ(Statistics(), (Counts{1, 1, 0}));
}

TEST_F(ImportAddressListTest, ListFailingMidwayKeepsTheMembersReadSoFar) {
    book.MailUser("a", "A", "1");
    book.MailUser("b", "B", "2");
    book.MailUser("c", "C", "3");
    book.DistList("list", {"a", "b", "c"}).readFailsAfterRows = 2;
    book.MailUser("after", "After", "4");
    Import({"list", "after"});
    EXPECT_EQ(Recipients(), (Strings{"A [1]", "B [2]", "After [4]"}));
    EXPECT_EQ(Statistics(), (Counts{3, 3, 0}));
}

TEST_F(ImportAddressListTest, EntryThatOpensAsAnotherKindIsNotWalkedAsAList) {
    book.MailUser("a", "A", "1");
    book.DistList("fake", {"a"}).openedType = kMapiMailUser;
    Import({"fake"});
    EXPECT_EQ(book.opened, (Strings{"fake"}));
    EXPECT_TRUE(lists.recipients.Empty());
}

TEST_F(ImportAddressListTest, ShortValueArrayFromTheProviderIsReadSafely) {
    book.MailUser("a", "Short", "1", "2", "3").valuesReturned = 2;
    Import({"a"});
    EXPECT_EQ(Recipients(), (Strings{"Short [1]"}));
}

} // namespace
