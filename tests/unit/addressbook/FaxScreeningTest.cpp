// Offering one recipient, and screening one mail user's name and fax numbers.
#include "addressbook/FaxScreening.h"
#include "addressbook/PropertyTags.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Entries(const SessionLists& lists) {
    return std::vector<std::string>(lists.recipients.begin(), lists.recipients.end());
}

struct Offer {
    OfferResult result;
    std::string name;
    std::string faxNumber;
};

Offer OfferTo(SessionLists& lists, const std::string& name, const std::string& faxNumber) {
    std::vector<char> nameBuffer(name.begin(), name.end());
    nameBuffer.push_back('\0');
    std::vector<char> numberBuffer(faxNumber.begin(), faxNumber.end());
    numberBuffer.push_back('\0');
    const OfferResult result = OfferRecipient(nameBuffer.data(), numberBuffer.data(), lists);
    return {result, nameBuffer.data(), numberBuffer.data()};
}

TEST(OfferRecipient, AddsTheNameAndTheCleanedNumber) {
    SessionLists lists;
    const Offer offer = OfferTo(lists, "Alice", "02 1234 5678");
    EXPECT_EQ(offer.result, OfferResult::Added);
    EXPECT_EQ(Entries(lists), (std::vector<std::string>{"Alice [0212345678]"}));
    EXPECT_EQ(lists.count, 1);
}

TEST(OfferRecipient, UpperCasesLettersInTheNumber) {
    SessionLists lists;
    EXPECT_EQ(OfferTo(lists, "Bob", "555 1234 ext 9").result, OfferResult::Added);
    EXPECT_EQ(lists.recipients.Tail(), "Bob [5551234EXT9]");
}

TEST(OfferRecipient, NumberOfSpacesOnlyIsRefusedAndLeavesTheNameAlone) {
    SessionLists lists;
    const Offer offer = OfferTo(lists, "  [Bob]  ", "     ");
    EXPECT_EQ(offer.result, OfferResult::Refused);
    EXPECT_EQ(offer.name, "  [Bob]  ");
    EXPECT_EQ(lists.count, 0);
    EXPECT_TRUE(lists.recipients.Empty());
}

TEST(OfferRecipient, TrimsTheNameAndTurnsSquareBracketsRound) {
    SessionLists lists;
    const Offer offer = OfferTo(lists, "  [Sales] Bob ", "123");
    EXPECT_EQ(offer.name, "(Sales) Bob");
    EXPECT_EQ(lists.recipients.Tail(), "(Sales) Bob [123]");
}

TEST(OfferRecipient, KeepsBig5CharactersWhoseSecondByteIsABracket) {
    SessionLists lists;
    // U+529F and U+6A94 in Big5 end in 0x5D and 0x5B.
    const std::string name = "\xa5\x5d[\xc0\x5b]";
    EXPECT_EQ(OfferTo(lists, name, "1").name, "\xa5\x5d(\xc0\x5b)");
}

TEST(OfferRecipient, RefusesATextAlreadyInTheList) {
    SessionLists lists;
    EXPECT_EQ(OfferTo(lists, "Carol", "1 2").result, OfferResult::Added);
    EXPECT_EQ(OfferTo(lists, " Carol", "12").result, OfferResult::Refused);
    EXPECT_EQ(OfferTo(lists, "Carol", "13").result, OfferResult::Added);
    EXPECT_EQ(lists.count, 2);
}

TEST(OfferRecipient, RefusesWithTheLimitReachedOnlyForNewTexts) {
    SessionLists lists;
    lists.limit = 2;
    EXPECT_EQ(OfferTo(lists, "A", "1").result, OfferResult::Added);
    EXPECT_EQ(OfferTo(lists, "B", "2").result, OfferResult::Added);
    EXPECT_EQ(OfferTo(lists, "C", "3").result, OfferResult::LimitReached);
    EXPECT_EQ(OfferTo(lists, "A", "1").result, OfferResult::Refused);
    EXPECT_EQ(lists.count, 2);
    EXPECT_EQ(lists.recipients.Size(), 2u);
}

TEST(OfferRecipient, NoLimitWhenTheLimitIsZero) {
    SessionLists lists;
    for (int n = 0; n < 250; ++n)
        ASSERT_EQ(OfferTo(lists, "X", std::to_string(n)).result, OfferResult::Added);
    EXPECT_EQ(lists.count, 250);
}

// The four values of one mail user, as GetProps returns them.
class MailUserValues {
  public:
    MailUserValues& Text(std::uint32_t tag, const std::string& text) {
        PropValue value;
        value.tag = tag;
        value.text = texts_.emplace_back(text).c_str();
        values_.push_back(value);
        return *this;
    }
    MailUserValues& Missing(std::uint32_t tag) {
        PropValue value;
        value.tag = (tag & ~kPropTypeMask) | kPtError;
        values_.push_back(value);
        return *this;
    }
    MailUserValues& Raw(PropValue value) {
        values_.push_back(value);
        return *this;
    }
    std::span<const PropValue> Values() const { return values_; }

  private:
    std::deque<std::string> texts_;
    std::vector<PropValue> values_;
};

MailUserValues Contact(const std::string& name, const std::string& primary) {
    MailUserValues values;
    values.Text(kPrDisplayName, name)
        .Text(kPrPrimaryFaxNumber, primary)
        .Missing(kPrBusinessFaxNumber)
        .Missing(kPrHomeFaxNumber);
    return values;
}

class ScreenFaxEntryTest : public ::testing::Test {
  protected:
    void Screen(const MailUserValues& values) {
        ScreenFaxEntry(values.Values(), lists, statistics);
    }
    void ExpectCounts(int32_t valid, int32_t excluded) {
        EXPECT_EQ(statistics.validCount, valid);
        EXPECT_EQ(statistics.excludedCount, excluded);
        // Screening never counts selections; the walk does.
        EXPECT_EQ(statistics.selectedCount, 0);
    }

    SessionLists lists;
    ImportStatistics statistics;
};

TEST_F(ScreenFaxEntryTest, NameOfFortyBytesKeepsItsFirstThirty) {
    Screen(Contact(std::string(40, 'n'), "1"));
    EXPECT_EQ(lists.recipients.Tail(), std::string(30, 'n') + " [1]");
    ExpectCounts(1, 0);
}

TEST_F(ScreenFaxEntryTest, NameSplitAtByteThirtyKeepsTwentyNineBytes) {
    // 29 single bytes, then a two-byte character over bytes 30 and 31.
    Screen(Contact(std::string(29, 'a') + "\xb6\xc7\xafu", "1"));
    EXPECT_EQ(lists.recipients.Tail(), std::string(29, 'a') + " [1]");
}

TEST_F(ScreenFaxEntryTest, NameOfSixteenBig5CharactersKeepsFifteen) {
    std::string name;
    for (int n = 0; n < 16; ++n)
        name += "\xa4\xa4";
    Screen(Contact(name, "1"));
    EXPECT_EQ(lists.recipients.Tail(), name.substr(0, 30) + " [1]");
}

TEST_F(ScreenFaxEntryTest, NumberOfThirtyOneBytesIsLeftOutNotShortened) {
    Screen(Contact("Long", std::string(31, '1')));
    EXPECT_TRUE(lists.recipients.Empty());
    ExpectCounts(0, 1);
}

TEST_F(ScreenFaxEntryTest, NumberOfThirtyBytesIsTaken) {
    Screen(Contact("Fits", std::string(30, '2')));
    EXPECT_EQ(lists.recipients.Tail(), "Fits [" + std::string(30, '2') + "]");
    ExpectCounts(1, 0);
}

TEST_F(ScreenFaxEntryTest, NumberOfSpacesOnlyGivesNothingAndCountsExcluded) {
    Screen(Contact("Blank", "     "));
    EXPECT_TRUE(lists.recipients.Empty());
    ExpectCounts(0, 1);
}

TEST_F(ScreenFaxEntryTest, SameNumberTwiceGivesOneRecipientAndIsNotExcluded) {
    MailUserValues values;
    values.Text(kPrDisplayName, "Dup")
        .Text(kPrPrimaryFaxNumber, "02-555")
        .Text(kPrBusinessFaxNumber, "02 - 555")
        .Missing(kPrHomeFaxNumber);
    Screen(values);
    EXPECT_EQ(lists.count, 1);
    ExpectCounts(1, 0);
}

TEST_F(ScreenFaxEntryTest, ThreeNumbersGiveThreeRecipientsPrimaryBusinessHome) {
    MailUserValues values;
    // Offered in the order primary, business, home, whatever the order of the values.
    values.Text(kPrHomeFaxNumber, "3")
        .Text(kPrBusinessFaxNumber, "2")
        .Text(kPrPrimaryFaxNumber, "1")
        .Text(kPrDisplayName, " Three ");
    Screen(values);
    EXPECT_EQ(Entries(lists), (std::vector<std::string>{"Three [1]", "Three [2]", "Three [3]"}));
    ExpectCounts(3, 0);
}

TEST_F(ScreenFaxEntryTest, EveryPropertyMissingCountsExcludedOnce) {
    MailUserValues values;
    for (std::uint32_t tag : kMailUserTags)
        values.Missing(tag);
    Screen(values);
    ExpectCounts(0, 1);
}

TEST_F(ScreenFaxEntryTest, MissingNameGivesAnEmptyName) {
    MailUserValues values;
    values.Missing(kPrDisplayName)
        .Missing(kPrPrimaryFaxNumber)
        .Missing(kPrBusinessFaxNumber)
        .Text(kPrHomeFaxNumber, "9");
    Screen(values);
    EXPECT_EQ(lists.recipients.Tail(), " [9]");
}

TEST_F(ScreenFaxEntryTest, AnotherContactWithTheSameTextIsExcluded) {
    Screen(Contact("Same", "1"));
    Screen(Contact("Same ", "1 "));
    EXPECT_EQ(lists.count, 1);
    ExpectCounts(1, 1);
}

TEST_F(ScreenFaxEntryTest, NumbersBeyondTheLimitStillCountAsValid) {
    lists.limit = kHostRecipientLimit;
    for (int n = 0; n < 201; ++n)
        Screen(Contact("C", std::to_string(n)));
    EXPECT_EQ(lists.count, 200);
    ExpectCounts(201, 0);
}

TEST_F(ScreenFaxEntryTest, FewerValuesThanTagsAreReadAsFarAsTheyGo) {
    MailUserValues values;
    values.Text(kPrDisplayName, "Short").Text(kPrPrimaryFaxNumber, "7");
    Screen(values);
    EXPECT_EQ(lists.recipients.Tail(), "Short [7]");
}

TEST_F(ScreenFaxEntryTest, ValuesOfOtherTypesOrWithoutTextAreNotRead) {
    PropValue wideName;
    wideName.tag = 0x3001001F; // the display name as a wide string
    wideName.text = "W\0i\0d\0e\0";
    PropValue nullNumber;
    nullNumber.tag = kPrPrimaryFaxNumber;
    MailUserValues values;
    values.Raw(wideName).Raw(nullNumber).Text(kPrBusinessFaxNumber, "5").Missing(kPrHomeFaxNumber);
    Screen(values);
    EXPECT_EQ(Entries(lists), (std::vector<std::string>{" [5]"}));
}

} // namespace
