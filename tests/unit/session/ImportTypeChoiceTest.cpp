#include "session/ImportTypeChoice.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> TypesOf(const std::vector<ImportTypeEntry>& entries) {
    std::vector<int> types;
    for (const auto& entry : entries)
        types.push_back(entry.importType);
    return types;
}

TEST(ImportTypeEntries, OfferAddressBooksOnlyWhenAvailableAndUnrestricted) {
    const auto all = ImportTypeEntries({0, true, true});
    EXPECT_EQ(TypesOf(all), (std::vector<int>{1, 2, 4, 6}));
    EXPECT_STREQ(all[0].text, texts::kMapiEntry);
    EXPECT_STREQ(all[1].text, texts::kWabEntry);
    EXPECT_STREQ(all[2].text, texts::kCsvEntry);
    EXPECT_STREQ(all[3].text, texts::kSpeedDialEntry);

    EXPECT_EQ(TypesOf(ImportTypeEntries({2, true, true})), (std::vector<int>{4, 6}));
    EXPECT_EQ(TypesOf(ImportTypeEntries({3, true, true})), (std::vector<int>{4, 6}));
    EXPECT_EQ(TypesOf(ImportTypeEntries({1, true, true})), (std::vector<int>{1, 2, 4, 6}));
    EXPECT_EQ(TypesOf(ImportTypeEntries({0, false, true})), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(TypesOf(ImportTypeEntries({0, true, false})), (std::vector<int>{1, 4, 6}));
}

TEST(ImportTypeChoice, CheckBoxesShowOnlyForTheirEntry) {
    ImportTypeChoice choice;
    for (int type : {0, 1, 6}) {
        choice.Select(type);
        EXPECT_FALSE(choice.ShowsColumnSearchBox()) << type;
        EXPECT_FALSE(choice.ShowsDefaultWabBox()) << type;
    }
    choice.Select(4);
    EXPECT_TRUE(choice.ShowsColumnSearchBox());
    EXPECT_FALSE(choice.ShowsDefaultWabBox());
    choice.Select(2);
    EXPECT_FALSE(choice.ShowsColumnSearchBox());
    EXPECT_TRUE(choice.ShowsDefaultWabBox());
}

TEST(ImportTypeChoice, CheckMarksRefineOnlyTheirOwnEntry) {
    ImportTypeChoice choice;
    choice.Select(2);
    EXPECT_EQ(choice.Result(false, true), 3);
    EXPECT_EQ(choice.Result(true, false), 2);
    choice.Select(4);
    EXPECT_EQ(choice.Result(false, true), 4);
    EXPECT_EQ(choice.Result(true, false), 5);
    choice.Select(6);
    EXPECT_EQ(choice.Result(true, true), 6);
    choice.Select(1);
    EXPECT_EQ(choice.Result(true, true), 1);
}

} // namespace
