// The sample phone books in examples/ import as their generator describes them.
#include "CsvTestSupport.h"
#include "csv/CsvReader.h"
#include "session/SourceFailures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string kExamples = IMPORTER_EXAMPLES_DIR;

bool Lists(const std::vector<std::string>& entries, const std::string& entry) {
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
}

TEST(ExamplePhonebooks, HeaderWordsFindBothFaxColumns) {
    ScriptedCsvDialogs dialogs;
    dialogs.picker = PickAll();
    SessionLists lists;
    int32_t excluded = 0;
    const int picked = ReadCsvFile(kExamples + "/phonebook-header-words.csv", lists, excluded,
                                   kImportCsvFoundColumns, 0, dialogs);
    EXPECT_EQ(dialogs.columnDialogRuns, 0);
    EXPECT_EQ(dialogs.sourceEntries.size(), 30u); // 15 rows, two fax columns each
    EXPECT_EQ(excluded, 1);                       // one row has no number at all
    EXPECT_EQ(picked, 19);                        // numbered entries less one duplicate
    EXPECT_TRUE(Lists(dialogs.sourceEntries, Big5("黃建宏 (業務部) [03-555-0301]")));
    EXPECT_TRUE(Lists(dialogs.sourceEntries, Big5("謝明哲(哲思顧問有限公司總經理 [02-2700-1301]")));
}

TEST(ExamplePhonebooks, PlainHeaderNeedsChosenColumnsAndKeepsItsLastRow) {
    ScriptedCsvDialogs dialogs;
    dialogs.columns = ChooseColumns(0, 3);
    dialogs.picker = PickAll();
    SessionLists lists;
    int32_t excluded = 0;
    const std::string path = kExamples + "/phonebook-plain-header.csv";
    EXPECT_EQ(ReadCsvFile(path, lists, excluded, kImportCsvFoundColumns, 0, dialogs),
              kNoFaxNumberFound);
    const int picked = ReadCsvFile(path, lists, excluded, kImportCsvChosenColumns, 0, dialogs);
    EXPECT_EQ(dialogs.sourceEntries.size(), 15u);
    EXPECT_EQ(dialogs.sourceEntries.back(), Big5("林志明 [(02)2700-0101]"));
    EXPECT_EQ(excluded, 1);
    EXPECT_EQ(picked, 13);
}

} // namespace
