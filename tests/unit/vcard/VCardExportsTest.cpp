// vCard exports of phones, web address books and mail programs import through both CSV import
// types, without the column dialog.
#include "VCardBooks.h"
#include "csv/CsvReader.h"
#include "csv/CsvTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

class VCardExportsTest : public ::testing::TestWithParam<export_books::Book> {};

TEST_P(VCardExportsTest, EveryFaxNumberOfEveryCardIsACandidate) {
    for (const int importType : {kImportCsvChosenColumns, kImportCsvFoundColumns}) {
        TemporaryFolder folder;
        ScriptedCsvDialogs dialogs;
        dialogs.picker = PickAll();
        SessionLists lists;
        int32_t excluded = -99;
        const export_books::Expected& expected = GetParam().found;
        Texts entries;
        for (const std::string& entry : expected.entries)
            entries.push_back(Big5(entry));
        // The name does not matter: the content says it is a vCard file.
        const std::string path = folder.Write("contacts.csv", GetParam().bytes);
        EXPECT_EQ(ReadCsvFile(path, lists, excluded, importType, 0, dialogs),
                  static_cast<int>(entries.size()));
        EXPECT_EQ(dialogs.columnDialogRuns, 0);
        EXPECT_EQ(dialogs.sourceEntries, entries);
        EXPECT_EQ(excluded, expected.excluded);
        EXPECT_EQ(Texts(lists.recipients.begin(), lists.recipients.end()), entries);
    }
}

INSTANTIATE_TEST_SUITE_P(Exports, VCardExportsTest, ::testing::ValuesIn(vcard_books::AllBooks()),
                         [](const auto& info) { return info.param.kind; });

} // namespace
