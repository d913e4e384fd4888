// Files shaped like real exports import with the names and numbers a user expects, through both
// import types.
#include "CsvTestSupport.h"
#include "ExportBooks.h"
#include "csv/CsvReader.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

Texts InBig5(const Texts& utf8) {
    Texts big5;
    for (const std::string& text : utf8)
        big5.push_back(Big5(text));
    return big5;
}

// Entries that have a number: the ones that picking everything hands to the session.
Texts WithNumbers(const Texts& entries) {
    Texts picked;
    for (const std::string& entry : entries) {
        if (entry.size() < 3 || entry.compare(entry.size() - 3, 3, " []") != 0)
            picked.push_back(entry);
    }
    return picked;
}

class CsvExportFilesTest : public ::testing::TestWithParam<export_books::Book> {
  protected:
    int Read(int importType) {
        dialogs.picker = PickAll();
        const std::string path = folder.Write("export.csv", GetParam().bytes);
        excluded = -99;
        return ReadCsvFile(path, lists, excluded, importType, 0, dialogs);
    }
    Texts Recipients() const { return Texts(lists.recipients.begin(), lists.recipients.end()); }

    TemporaryFolder folder;
    SessionLists lists;
    int32_t excluded = 0;
    ScriptedCsvDialogs dialogs;
};

TEST_P(CsvExportFilesTest, HeaderWordsFindTheColumns) {
    const export_books::Expected& expected = GetParam().found;
    const Texts picked = InBig5(WithNumbers(expected.entries));
    EXPECT_EQ(Read(kImportCsvFoundColumns), static_cast<int>(picked.size()));
    EXPECT_EQ(dialogs.columnDialogRuns, 0);
    EXPECT_EQ(dialogs.sourceEntries, InBig5(expected.entries));
    EXPECT_EQ(excluded, expected.excluded);
    EXPECT_EQ(Recipients(), picked);
}

TEST_P(CsvExportFilesTest, ChosenColumnsListTheHeaderAndGiveTheirRows) {
    const export_books::Book& book = GetParam();
    dialogs.columns = ChooseColumns(book.nameColumn, book.faxColumn);
    const Texts picked = InBig5(WithNumbers(book.chosen.entries));
    EXPECT_EQ(Read(kImportCsvChosenColumns), static_cast<int>(picked.size()));
    EXPECT_EQ(dialogs.headerFields, InBig5(book.headerFields));
    EXPECT_EQ(dialogs.sourceEntries, InBig5(book.chosen.entries));
    EXPECT_EQ(excluded, book.chosen.excluded);
    EXPECT_EQ(Recipients(), picked);
}

INSTANTIATE_TEST_SUITE_P(Exports, CsvExportFilesTest, ::testing::ValuesIn(export_books::AllBooks()),
                         [](const auto& info) { return info.param.kind; });

} // namespace
