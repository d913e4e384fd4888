// Which character separates a file's fields, decided by its header line.
#include "csv/CsvSeparator.h"

#include <gtest/gtest.h>

namespace {

TEST(CsvSeparator, AnyCommaKeepsTheComma) {
    EXPECT_EQ(FindCsvSeparator("Name,Fax"), ',');
    EXPECT_EQ(FindCsvSeparator("Name;Fax;Phone,x"), ',');
    EXPECT_EQ(FindCsvSeparator("\"Name,\"\tFax\tPhone"), ','); // as read, quotes and all
    EXPECT_EQ(FindCsvSeparator("Fax"), ',');
    EXPECT_EQ(FindCsvSeparator(""), ',');
}

TEST(CsvSeparator, WithoutACommaTheMoreFrequentOfSemicolonAndTabWins) {
    EXPECT_EQ(FindCsvSeparator("Name;Fax"), ';');
    EXPECT_EQ(FindCsvSeparator("Name\tFax"), '\t');
    EXPECT_EQ(FindCsvSeparator("a;b;c\td"), ';');
    EXPECT_EQ(FindCsvSeparator("a\tb\tc;d"), '\t');
}

TEST(CsvSeparator, TieGoesToTheTab) {
    EXPECT_EQ(FindCsvSeparator("a;b\tc"), '\t');
    EXPECT_EQ(FindCsvSeparator("a;;b\t\tc"), '\t');
}

} // namespace
