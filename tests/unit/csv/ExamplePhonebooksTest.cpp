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
    // Its header words are other phone books' (聯絡人, FAX): both import types find the same.
    for (const int importType : {kImportCsvFoundColumns, kImportCsvChosenColumns}) {
        ScriptedCsvDialogs dialogs;
        dialogs.columns = ChooseColumns(0, 3);
        dialogs.picker = PickAll();
        SessionLists lists;
        int32_t excluded = 0;
        const std::string path = kExamples + "/phonebook-plain-header.csv";
        const int picked = ReadCsvFile(path, lists, excluded, importType, 0, dialogs);
        EXPECT_EQ(dialogs.columnDialogRuns, importType == kImportCsvChosenColumns ? 1 : 0);
        EXPECT_EQ(dialogs.sourceEntries.size(), 15u);
        EXPECT_EQ(dialogs.sourceEntries.back(), Big5("林志明 [(02)2700-0101]"));
        EXPECT_EQ(excluded, 1);
        EXPECT_EQ(picked, 13);
    }
}

TEST(ExamplePhonebooks, OtherProgramsExportsFindTheirNamesAndNumbers) {
    const struct {
        const char* file;
        std::vector<std::string> entries;
        int excluded;
    } examples[] = {
        {"phonebook-spreadsheet.csv",
         {"林志明 [(02)2700-0101]", "陳怡君 [02-2700-0201]", "宏遠貿易 [03-555-0301]",
          "張雅婷 [(04)2255-0401]", "李俊傑 [07-555-0501EXT.12]", "王淑芬 [+886-2-2700-0601]",
          "吳家豪 []", "劉美玲 (花藝) [(05)255-0801]"},
         1},
        {"phonebook-mail-export.csv",
         {"林志明 [(02)2700-0101]", "林志明 [(02)2700-0109]", "Ann Mei Lee [+886-2-2700-0301]",
          "Ann Mei Lee []", "王John [03-555-0301]", "王John []", "翰林印刷 [0227000901]",
          "翰林印刷 []", "張雅婷 []", "張雅婷 [0422550402]", "李俊傑 []", "李俊傑 []",
          "劉美玲 [(05)255-0801]", "劉美玲 []", "蔡宗翰 [02-2700-0901]", "蔡宗翰 [02-2700-0902]"},
         1},
        // The same contacts as cards of three versions; the agent's card gives nothing.
        {"contacts.vcf",
         {"林志明 [(02)2700-0101]", "林志明 [(02)2700-0109]", "Ann Mei Lee [+886-2-2700-0301]",
          "王John [03-555-0301]", "翰林印刷 [0227000901]", "張雅婷 [0422550402]",
          "劉美玲 [(05)255-0801]", "蔡宗翰 [02-2700-0901]", "蔡宗翰 [02-2700-0902]"},
         1},
    };
    for (const auto& example : examples) {
        ScriptedCsvDialogs dialogs;
        SessionLists lists;
        int32_t excluded = 0;
        ReadCsvFile(kExamples + "/" + example.file, lists, excluded, kImportCsvFoundColumns, 0,
                    dialogs);
        std::vector<std::string> expected;
        for (const std::string& entry : example.entries)
            expected.push_back(Big5(entry));
        EXPECT_EQ(dialogs.sourceEntries, expected) << example.file;
        EXPECT_EQ(excluded, example.excluded) << example.file;
    }
}

} // namespace
