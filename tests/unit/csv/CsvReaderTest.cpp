// ReadCsvFile from real files: columns, candidates, exclusions, the dialogs and every failure.
#include "csv/CsvReader.h"
#include "CsvTestSupport.h"
#include "session/SourceFailures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

class CsvReaderTest : public ::testing::Test {
  protected:
    // Writes `utf8` as Big5 and reads it with the given import type.
    int Read(const std::string& utf8, int importType = kImportCsvFoundColumns,
             int optionFlags = 0) {
        return ReadBytes(Big5(utf8), importType, optionFlags);
    }
    int ReadBytes(const std::string& bytes, int importType = kImportCsvFoundColumns,
                  int optionFlags = 0) {
        path = folder.Write("book.csv", bytes);
        return ReadPath(path, importType, optionFlags);
    }
    int ReadPath(const std::string& source, int importType = kImportCsvFoundColumns,
                 int optionFlags = 0) {
        // Each read is a session of its own; only the limit carries over.
        const int32_t limit = lists.limit;
        lists = SessionLists{};
        lists.limit = limit;
        excluded = -99;
        return ReadCsvFile(source, lists, excluded, importType, optionFlags, dialogs);
    }
    Texts Recipients() const { return Texts(lists.recipients.begin(), lists.recipients.end()); }

    TemporaryFolder folder;
    std::string path;
    SessionLists lists;
    int32_t excluded = 0;
    ScriptedCsvDialogs dialogs;
};

// The import as a user sees it.

TEST_F(CsvReaderTest, FoundColumnsGiveCandidatesThatThePickerHandsToTheSession) {
    dialogs.picker = PickEntries({0, 2});
    const int result = Read("編號,名稱,傳真\r\n"
                            "1,王小明,(02) 2700-1234\r\n"
                            "2,[總務] 李美玲,02-2700-5678 ext.9\r\n"
                            "3,陳大同,0227009999\r\n");
    EXPECT_EQ(result, 2);
    EXPECT_EQ(lists.count, 2);
    EXPECT_EQ(excluded, 0);
    EXPECT_EQ(dialogs.columnDialogRuns, 0);
    EXPECT_EQ(dialogs.sourceEntries,
              (Texts{Big5("王小明 [(02)2700-1234]"), Big5("(總務) 李美玲 [02-2700-5678EXT.9]"),
                     Big5("陳大同 [0227009999]")}));
    EXPECT_EQ(Recipients(), (Texts{Big5("王小明 [(02)2700-1234]"), Big5("陳大同 [0227009999]")}));
}

TEST_F(CsvReaderTest, EveryFaxColumnGivesACandidateWhereTheRowHasIt) {
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("編號,名稱,傳真號碼,公司傳真\n"
                   "1,王小明,111,222\n"
                   "2,李美玲,333\n"),
              3);
    EXPECT_EQ(dialogs.sourceEntries,
              (Texts{Big5("王小明 [111]"), Big5("王小明 [222]"), Big5("李美玲 [333]")}));
}

TEST_F(CsvReaderTest, HeaderNameMustBeTheWholeWordElseNamesStayEmpty) {
    dialogs.picker = PickAll();
    // With spaces around it, the word is one of the other phone books' name words.
    EXPECT_EQ(Read(" 名稱,傳真\nA,1\n"), 1);
    EXPECT_EQ(Recipients(), (Texts{"A [1]"}));
    EXPECT_EQ(Read("名稱1,傳真\nA,2\n"), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{" [2]"}));
    // The first exact field names; a later one is an ordinary column.
    EXPECT_EQ(Read("傳真,名稱,名稱\n1,A,B\n"), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [1]"}));
}

TEST_F(CsvReaderTest, QuotedHeaderWordsAreFoundAfterQuoteRemoval) {
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("\"名稱\",\"家用傳真\"\n\"A, B\",\"1\"\n"), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A, B [1]"}));
}

TEST_F(CsvReaderTest, EmptyLinesAreSkippedAndNotExcluded) {
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("\n\r\n\n名稱,傳真\n\nA,1\r\n\r\n\nB,2\n\n"), 2);
    EXPECT_EQ(excluded, 0);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [1]", "B [2]"}));
}

TEST_F(CsvReaderTest, RowsWithoutANumberAreListedButExcludedAndCannotBePicked) {
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("名稱,傳真\nA,abc\nB,\nC\nD,--\n"), 2);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [ABC]", "B []", "D [--]"}));
    // B's number cleans to nothing and C has no fax field.
    EXPECT_EQ(excluded, 2);
    EXPECT_EQ(Recipients(), (Texts{"A [ABC]", "D [--]"}));
}

TEST_F(CsvReaderTest, FaxNumbersOfMoreThanThirtyAcceptedBytesGiveNoCandidate) {
    dialogs.picker = PickAll();
    const std::string thirty(30, '7');
    EXPECT_EQ(Read("名稱,傳真,公司傳真\n"
                   "A," +
                   thirty +
                   "1,\n" // 31 bytes: no candidate; empty company fax
                   "B," +
                   thirty +
                   "1\n" // its only fax column refused
                   "C," +
                   thirty +
                   "   \n" // spaces go before the length counts
                   "D,1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1,9\n"),
              2);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A []", "C [" + thirty + "]", "D [9]"}));
    EXPECT_EQ(excluded, 2);
}

TEST_F(CsvReaderTest, LongNamesAreCutAtACharacterBoundary) {
    dialogs.picker = PickAll();
    // Fifteen two-byte characters and then more: the cut falls between two of them.
    const std::string even = "一二三四五六七八九十甲乙丙丁戊己庚辛壬癸";
    // One single byte first: the 30th and 31st bytes form one character.
    const std::string odd = "A" + even;
    EXPECT_EQ(Read("名稱,傳真\n" + even + ",1\n" + odd + ",2\n"), 2);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{Big5("一二三四五六七八九十甲乙丙丁戊 [1]"),
                                            Big5("A一二三四五六七八九十甲乙丙丁 [2]")}));
}

TEST_F(CsvReaderTest, NamesAreTrimmedAndBracketFreeWithoutTouchingTwoByteCharacters) {
    dialogs.picker = PickAll();
    // 奭 is BC 5D in Big5: its second byte is a right bracket.
    const std::string bytes = Big5("名稱,傳真\n") + "  [\xBC\x5D] x  ,1\n";
    EXPECT_EQ(ReadBytes(bytes), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"(\xBC\x5D) x [1]"}));
}

// Mended: a file saved without a final line break keeps its last row.
TEST_F(CsvReaderTest, LastLineWithoutLineFeedIsStillARow) {
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("名稱,傳真\r\nA,1\r\nB,2"), 2);
    EXPECT_EQ(Recipients(), (Texts{"A [1]", "B [2]"}));
}

TEST_F(CsvReaderTest, LastLineAloneIsTheHeaderAndGivesNoRows) {
    EXPECT_EQ(Read("\n\n名稱,傳真"), kNoFaxNumberFound);
    EXPECT_EQ(dialogs.pickerRuns, 0);
}

// The dialogs.

TEST_F(CsvReaderTest, ChosenColumnsComeFromTheColumnDialog) {
    dialogs.columns = ChooseColumns(2, 0);
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("\"Fax\", Phone ,Who\n"
                   "111,222,A\n"
                   "333\n"
                   "444,555,B,extra\n",
                   kImportCsvChosenColumns),
              3);
    EXPECT_EQ(dialogs.columnDialogRuns, 1);
    EXPECT_EQ(dialogs.headerFields, (Texts{"Fax", " Phone ", "Who"}));
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [111]", " [333]", "B [444]"}));
}

TEST_F(CsvReaderTest, ChosenFaxColumnMissingFromARowExcludesIt) {
    dialogs.columns = ChooseColumns(-1, 1);
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("a,b\n1,2\n3\n", kImportCsvChosenColumns), 1);
    EXPECT_EQ(excluded, 1);
    EXPECT_EQ(Recipients(), (Texts{" [2]"}));
}

TEST_F(CsvReaderTest, ChosenColumnsNeedNoHeaderWords) {
    dialogs.columns = ChooseColumns(0, 1);
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("王小明,0227001234\n李美玲,0227005678\n", kImportCsvChosenColumns), 1);
    // The first line is the header, whatever it holds.
    EXPECT_EQ(Recipients(), (Texts{Big5("李美玲 [0227005678]")}));
}

TEST_F(CsvReaderTest, CancellingTheColumnDialogReturnsZeroWithoutThePicker) {
    EXPECT_EQ(Read("a,b\n1,2\n", kImportCsvChosenColumns), 0);
    EXPECT_EQ(dialogs.columnDialogRuns, 1);
    EXPECT_EQ(dialogs.pickerRuns, 0);
}

TEST_F(CsvReaderTest, EmptyHeaderForChosenColumnsShowsAnEmptyList) {
    EXPECT_EQ(Read("\n\n\n", kImportCsvChosenColumns), 0);
    EXPECT_EQ(dialogs.columnDialogRuns, 1);
    EXPECT_TRUE(dialogs.headerFields.empty());
}

TEST_F(CsvReaderTest, CancellingThePickerReturnsZeroAndLeavesNothing) {
    dialogs.picker = [](CsvRecipientPicker& picker) {
        picker.AddPicks(std::vector<int>{0});
        return false;
    };
    EXPECT_EQ(Read("名稱,傳真\nA,1\n"), 0);
    EXPECT_EQ(lists.count, 0);
    EXPECT_TRUE(lists.recipients.Empty());
}

TEST_F(CsvReaderTest, ConfirmingAnEmptyPickerReturnsZero) {
    dialogs.picker = [](CsvRecipientPicker&) { return true; };
    EXPECT_EQ(Read("名稱,傳真\nA,1\n"), 0);
    EXPECT_EQ(lists.count, 0);
}

TEST_F(CsvReaderTest, PickerKeepsTheSessionLimitAndRestriction) {
    lists.limit = 200;
    std::string text = "名稱,傳真\n";
    for (int row = 0; row < 250; ++row)
        text += "R" + std::to_string(row) + "," + std::to_string(row) + "\n";
    dialogs.picker = PickAll();
    EXPECT_EQ(Read(text), 200);
    EXPECT_EQ(lists.recipients.Size(), 200u);

    lists.limit = 0;
    const char* refusal = nullptr;
    dialogs.picker = [&](CsvRecipientPicker& picker) {
        refusal = picker.AddPicks(std::vector<int>{0, 1}).message;
        return true;
    };
    EXPECT_EQ(Read(text, kImportCsvFoundColumns, kSingleRecipientOption), 0);
    EXPECT_NE(refusal, nullptr);
}

// Failures, each before any dialog that it makes pointless.

TEST_F(CsvReaderTest, FilesThatCannotBeReadGiveTheirCodes) {
    EXPECT_EQ(ReadPath(folder.PathOf("missing.csv")), kFileCannotOpen);
    EXPECT_EQ(ReadPath(folder.PathOf("")), kFileCannotOpen); // the folder itself
    EXPECT_EQ(ReadBytes(""), kNothingRead);
    EXPECT_EQ(dialogs.columnDialogRuns + dialogs.pickerRuns, 0);
}

TEST_F(CsvReaderTest, HeaderWithoutTheFaxWordGivesNoFaxNumberFound) {
    EXPECT_EQ(Read("名稱,電話\nA,1\n"), kNoFaxNumberFound);
    EXPECT_EQ(Read("\n\n\n"), kNoFaxNumberFound);
    EXPECT_EQ(dialogs.pickerRuns, 0);
}

TEST_F(CsvReaderTest, NoRowWithANumberGivesNoFaxNumberFound) {
    EXPECT_EQ(Read("名稱,傳真\nA,\nB\n\n"), kNoFaxNumberFound);
    dialogs.columns = ChooseColumns(-1, 0);
    EXPECT_EQ(Read("x\n", kImportCsvChosenColumns), kNoFaxNumberFound);
    EXPECT_EQ(dialogs.pickerRuns, 0);
}

TEST_F(CsvReaderTest, OnlyCarriageReturnsAreEmptyLines) {
    EXPECT_EQ(ReadBytes("\r\r\r\r"), kNoFaxNumberFound);
    dialogs.columns = ChooseColumns(-1, 0);
    // The last, empty line is the header: the column list is empty and the user cancels.
    EXPECT_EQ(ReadBytes("\r\r\r\r", kImportCsvChosenColumns), 0);
    EXPECT_EQ(dialogs.headerFields, (Texts{}));
}

TEST_F(CsvReaderTest, UnclosedQuoteInTheHeaderFailsBeforeAnyDialog) {
    EXPECT_EQ(Read("名稱,\"傳真\n1,2\n"), kInvalidCsvData);
    EXPECT_EQ(Read("名稱,\"傳真\n1,2\n", kImportCsvChosenColumns), kInvalidCsvData);
    EXPECT_EQ(dialogs.columnDialogRuns, 0);
}

TEST_F(CsvReaderTest, UnclosedQuoteInAnyRowFailsTheWholeImport) {
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("名稱,傳真\nA,1\nB,\"2\nC,3\n"), kInvalidCsvData);
    // The last line, without a line feed, is a row and is checked too.
    EXPECT_EQ(Read("名稱,傳真\nA,1\n\"B"), kInvalidCsvData);
    EXPECT_EQ(dialogs.pickerRuns, 0);
    EXPECT_TRUE(lists.recipients.Empty());
}

TEST_F(CsvReaderTest, HeaderOfMoreThan1024FieldsKeepsTheFirst1024) {
    std::string header;
    for (int field = 0; field < 1100; ++field)
        header += (field == 1023 ? std::string("傳真") : "f" + std::to_string(field)) + ",";
    std::string row;
    for (int field = 0; field < 1100; ++field)
        row += std::to_string(field) + ",";
    dialogs.picker = PickAll();
    EXPECT_EQ(Read(header + "\n" + row + "\n"), 1);
    EXPECT_EQ(Recipients(), (Texts{" [1023]"}));

    // The fax word after the 1024th field is not a field.
    std::string late = header;
    late.replace(late.find("傳真"), std::string("傳真").size(), "x");
    late += "傳真";
    EXPECT_EQ(Read(late + "\n" + row + "\n"), kNoFaxNumberFound);

    dialogs.columns = ChooseColumns(-1, 0);
    Read(header + "\n" + row + "\n", kImportCsvChosenColumns);
    EXPECT_EQ(dialogs.headerFields.size(), 1024u);
}

TEST_F(CsvReaderTest, ZeroBytesEndTheirLineButNotTheFile) {
    dialogs.picker = PickAll();
    static const char kRows[] = "A,1\0,junk\n\0B,2\nC\0,3\nD,4\n";
    const std::string bytes = Big5("名稱,傳真\n") + std::string(kRows, sizeof kRows - 1);
    EXPECT_EQ(ReadBytes(bytes), 2);
    // The line that starts with a zero byte reads as empty; C's line ends before its number.
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [1]", "D [4]"}));
    EXPECT_EQ(excluded, 1);
}

TEST_F(CsvReaderTest, TenMegabyteSingleLineIsReadWhole) {
    const std::string huge(10 * 1024 * 1024, 'x');
    // As the only line it is the header, without the fax word.
    EXPECT_EQ(ReadBytes(huge), kNoFaxNumberFound);
    // As a row its name is cut to 30 bytes and its number is too long.
    dialogs.picker = PickAll();
    EXPECT_EQ(Read("名稱,傳真\n" + huge + "," + huge + "\nB,1\n"), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"B [1]"}));
    EXPECT_EQ(excluded, 1);
    EXPECT_EQ(Read("名稱,傳真\n" + huge + ",1\n"), 1);
    EXPECT_EQ(Recipients(), (Texts{std::string(30, 'x') + " [1]"}));
}

// The reader split at the file read: contents already in memory read as their file does.

std::vector<std::string> EntriesOf(const CsvCandidateTable& table) {
    std::vector<std::string> entries;
    for (const CsvCandidate& candidate : table.Candidates())
        entries.emplace_back(EntryText(candidate).View());
    return entries;
}

platform::FileBytes ContentsOf(const std::string& bytes) {
    platform::FileBytes content;
    content.data = std::make_unique<char[]>(bytes.size() + 1);
    std::copy(bytes.begin(), bytes.end(), content.data.get());
    content.size = bytes.size();
    return content;
}

TEST_F(CsvReaderTest, ContentsAlreadyReadGiveWhatTheirFileGives) {
    dialogs.columns = ChooseColumns(1, 2);
    const std::string utf8 = "\xEF\xBB\xBF編號,名稱,傳真\r\n"
                             "1,王小明,(02) 2700-1234\r\n"
                             "2,\"李美玲\n[總務]\",02-2700-5678\r\n"
                             "3,陳大同,\r\n";
    for (const int importType : {kImportCsvFoundColumns, kImportCsvChosenColumns}) {
        path = folder.Write("book.csv", utf8);
        CsvCandidateTable fromFile;
        int32_t fileExcluded = -1;
        EXPECT_EQ(ReadCsvCandidates(path, importType, dialogs, fromFile, fileExcluded), 1);

        platform::FileBytes content = ContentsOf(utf8);
        CsvCandidateTable fromBytes;
        int32_t bytesExcluded = -1;
        EXPECT_EQ(ParseCsvCandidates(content, path, importType, dialogs, fromBytes, bytesExcluded),
                  1);
        EXPECT_EQ(EntriesOf(fromBytes), EntriesOf(fromFile));
        EXPECT_EQ(EntriesOf(fromBytes),
                  (Texts{Big5("王小明 [(02)2700-1234]"), Big5("李美玲 (總務) [02-2700-5678]"),
                         Big5("陳大同 []")}));
        EXPECT_EQ(bytesExcluded, fileExcluded);
        EXPECT_EQ(bytesExcluded, 1);
    }

    platform::FileBytes empty = ContentsOf("");
    CsvCandidateTable table;
    int32_t excludedRows = -1;
    EXPECT_EQ(ParseCsvCandidates(empty, path, kImportCsvFoundColumns, dialogs, table, excludedRows),
              kNothingRead);
}

} // namespace
