// The reader on Unicode files, quoted line breaks and other separators: rules at the edges and
// the bad input each kind can bring.
#include "CsvTestSupport.h"
#include "ExportBooks.h"
#include "csv/CsvReader.h"
#include "session/SourceFailures.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
using export_books::ToUtf16;

const std::string kUtf8Mark = "\xEF\xBB\xBF";
const std::string kUtf16LeMark = "\xFF\xFE";
const std::string kUtf16BeMark = "\xFE\xFF";

class CsvNewFileKindsTest : public ::testing::Test {
  protected:
    int ReadBytes(const std::string& bytes, int importType = kImportCsvFoundColumns) {
        const std::string path = folder.Write("book.csv", bytes);
        lists = SessionLists{};
        excluded = -99;
        return ReadCsvFile(path, lists, excluded, importType, 0, dialogs);
    }

    TemporaryFolder folder;
    SessionLists lists;
    int32_t excluded = 0;
    ScriptedCsvDialogs dialogs;
};

// Encodings

TEST_F(CsvNewFileKindsTest, EveryUnicodeFormGivesTheSameBig5Names) {
    dialogs.picker = PickAll();
    const std::string text = "名稱,傳真\r\n王小明,02-1\r\n";
    const Texts expected = {Big5("王小明 [02-1]")};
    for (const std::string& bytes : {kUtf8Mark + text, text, kUtf16LeMark + ToUtf16(text, true),
                                     kUtf16BeMark + ToUtf16(text, false)}) {
        EXPECT_EQ(ReadBytes(bytes), 1);
        EXPECT_EQ(dialogs.sourceEntries, expected);
    }
}

TEST_F(CsvNewFileKindsTest, UnmappableCharactersAreOneDefaultCharacterEach) {
    dialogs.picker = PickAll();
    // é, a Thai letter and a character beyond the first plane: none of them is in Big5.
    EXPECT_EQ(ReadBytes(kUtf8Mark + "名稱,傳真\nJos\xC3\xA9 \xE0\xB8\x81\xF0\x9F\x93\xA0,1\n"), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"Jos? ?? [1]"}));
}

TEST_F(CsvNewFileKindsTest, UnicodeNamesAreCutToThirtyBytesOfBig5) {
    dialogs.picker = PickAll();
    // Sixteen characters of three UTF-8 bytes each: 48 bytes in the file, 32 in Big5.
    const std::string name = "一二三四五六七八九十甲乙丙丁戊己";
    EXPECT_EQ(ReadBytes(kUtf8Mark + "名稱,傳真\n" + name + ",1\n"), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{Big5("一二三四五六七八九十甲乙丙丁戊 [1]")}));
}

TEST_F(CsvNewFileKindsTest, MarkAloneIsAnEmptyFile) {
    for (const std::string& mark : {kUtf8Mark, kUtf16LeMark, kUtf16BeMark}) {
        EXPECT_EQ(ReadBytes(mark), kNothingRead);
        EXPECT_EQ(ReadBytes(mark, kImportCsvChosenColumns), kNothingRead);
    }
    EXPECT_EQ(dialogs.columnDialogRuns + dialogs.pickerRuns, 0);
}

TEST_F(CsvNewFileKindsTest, OddLengthUtf16EndsInOneDefaultCharacter) {
    dialogs.picker = PickAll();
    // The stray last byte makes a last line of its own: a row without a number.
    EXPECT_EQ(ReadBytes(kUtf16LeMark + ToUtf16("名稱\t傳真\r\nA\t1\r\n", true) + "\x41"), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [1]"}));
    EXPECT_EQ(excluded, 1);
    // An odd byte right after the number joins it as the default character.
    EXPECT_EQ(ReadBytes(kUtf16BeMark + ToUtf16("名稱\t傳真\r\nA\t1", false) + "\x41"), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [1?]"}));
}

TEST_F(CsvNewFileKindsTest, InvalidUtf8AfterTheMarkBecomesDefaultCharacters) {
    dialogs.picker = PickAll();
    EXPECT_EQ(ReadBytes(kUtf8Mark + "名稱,傳真\n王\xFF明,1\n\xA4\xFD,2\n"), 2);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{Big5("王?明 [1]"), "?? [2]"}));
}

TEST_F(CsvNewFileKindsTest, LoneSurrogateInUtf16IsOneDefaultCharacter) {
    dialogs.picker = PickAll();
    std::string bytes = kUtf16LeMark + ToUtf16("名稱,傳真\nA", true);
    bytes += std::string("\x00\xD8", 2); // a high surrogate followed by a comma
    bytes += ToUtf16(",1\n", true);
    EXPECT_EQ(ReadBytes(bytes), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A? [1]"}));
}

TEST_F(CsvNewFileKindsTest, Big5WhoseBytesFormUtf8IsReadAsBig5) {
    dialogs.columns = ChooseColumns(0, 1);
    dialogs.picker = PickAll();
    const std::string bytes = Big5("Name,Fax\r\n矇纂苳,02-1\r\n");
    EXPECT_EQ(ReadBytes(bytes, kImportCsvChosenColumns), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{Big5("矇纂苳 [02-1]")}));
}

// Quoted line breaks

TEST_F(CsvNewFileKindsTest, JoinedRowGivesItsCandidatesOnceAndIsExcludedOnce) {
    dialogs.picker = PickAll();
    EXPECT_EQ(ReadBytes(Big5("名稱,傳真,公司傳真\n"
                             "\"王\n小明\",\"02\n1\",\"03\n2\"\n"
                             "\"陳\r\n\r\n大同\",\"\n\",\"\r\n\"\n"
                             "B,3,\n")),
              3);
    EXPECT_EQ(dialogs.sourceEntries,
              (Texts{Big5("王 小明 [021]"), Big5("王 小明 [032]"), Big5("陳  大同 []"),
                     Big5("陳  大同 []"), "B [3]", "B []"}));
    EXPECT_EQ(excluded, 1);
}

TEST_F(CsvNewFileKindsTest, HeaderMaySpanLines) {
    dialogs.columns = ChooseColumns(0, 1);
    dialogs.picker = PickAll();
    EXPECT_EQ(ReadBytes(Big5("\n\"名\n稱\",\"公司\r\n傳真\"\nA,1\n"), kImportCsvChosenColumns), 1);
    EXPECT_EQ(dialogs.headerFields, (Texts{Big5("名 稱"), Big5("公司 傳真")}));
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [1]"}));
    // The header words are looked for in the joined fields.
    EXPECT_EQ(ReadBytes(Big5("\"名稱\",\"公司\n傳真\"\nA,1\n")), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [1]"}));
}

TEST_F(CsvNewFileKindsTest, QuoteOpenForTheRestOfTheFileIsInvalidData) {
    dialogs.picker = PickAll();
    EXPECT_EQ(ReadBytes(Big5("名稱,傳真\nA,1\nB,\"2\nC,3\nD,4\n")), kInvalidCsvData);
    EXPECT_EQ(ReadBytes(Big5("名稱,\"傳真\nA,1\n")), kInvalidCsvData);
    EXPECT_EQ(ReadBytes(kUtf8Mark + "名稱,傳真\r\nA,\"1\r\n"), kInvalidCsvData);
    EXPECT_EQ(dialogs.columnDialogRuns + dialogs.pickerRuns, 0);
}

TEST_F(CsvNewFileKindsTest, TenMegabyteQuotedFieldIsReadWhole) {
    dialogs.picker = PickAll();
    // An address of 10 MB over 100,000 lines, and a name of 10 MB on one line.
    std::string address;
    for (int line = 0; line < 100000; ++line)
        address += std::string(100, 'a') + "\r\n";
    const std::string name(10 * 1024 * 1024, 'n');
    EXPECT_EQ(
        ReadBytes(Big5("名稱,地址,傳真\n") + "A,\"" + address + "\",1\n\"" + name + "\",,2\n"), 2);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A [1]", std::string(30, 'n') + " [2]"}));
    // As the name itself, cut to 30 bytes.
    EXPECT_EQ(ReadBytes(Big5("名稱,傳真\n\"") + address + "\",1\n"), 1);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{std::string(30, 'a') + " [1]"}));
}

// Separators

TEST_F(CsvNewFileKindsTest, SemicolonsOrTabsSeparateEveryLineWithTheSameQuoting) {
    dialogs.picker = PickAll();
    EXPECT_EQ(ReadBytes(Big5("名稱;傳真\n\"A;B\";\"1\"\"2\"\nC,D;3\n")), 2);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A;B [1\"2]", "C,D [3]"}));
    EXPECT_EQ(ReadBytes(Big5("名稱\t傳真\n\"A\tB\"\t1\nC;D\t3\n")), 2);
    EXPECT_EQ(dialogs.sourceEntries, (Texts{"A\tB [1]", "C;D [3]"}));
}

TEST_F(CsvNewFileKindsTest, HeaderWithSemicolonsAndTabsTakesTheMoreFrequent) {
    dialogs.columns = ChooseColumns(-1, 0);
    dialogs.picker = PickAll();
    ReadBytes("a;b;c\td\n1;2\n", kImportCsvChosenColumns);
    EXPECT_EQ(dialogs.headerFields, (Texts{"a", "b", "c\td"}));
    ReadBytes("a\tb\tc;d\n1\t2\n", kImportCsvChosenColumns);
    EXPECT_EQ(dialogs.headerFields, (Texts{"a", "b", "c;d"}));
    // A tie goes to the tab.
    ReadBytes("a;b\tc\n1\t2\n", kImportCsvChosenColumns);
    EXPECT_EQ(dialogs.headerFields, (Texts{"a;b", "c"}));
}

TEST_F(CsvNewFileKindsTest, HeaderLineWithACommaKeepsTheComma) {
    dialogs.picker = PickAll();
    EXPECT_EQ(ReadBytes(Big5("名稱;x,傳真\tY\nA;1,2\t3\n")), 1);
    // No name column: "名稱;x" is not the name word.
    EXPECT_EQ(dialogs.sourceEntries, (Texts{" [23]"}));
}

} // namespace
