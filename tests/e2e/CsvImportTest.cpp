// CSV imports (types 4 and 5) from the command line through the file dialog, the column dialog,
// the picker and the confirmation to the result file and the host's command.
#include "ExchangeDump.h"
#include "FileImportRun.h"
#include "ResourceIds.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr WPARAM kRecipientsCommand = 1022;

const std::string kWang = "\xa4\xfd\xa4j\xa9\xfa"; // 王大明 in Big5

// A phone book with the header words: a name column and two fax columns.
std::string HeaderWordsBook() {
    return std::string(texts::kNameHeaderWord) + ",Company," + texts::kFaxHeaderWord + ",Home" +
           texts::kFaxHeaderWord + "\r\n" + kWang + ",Acme,(02) 2700-0101,02-2700-0102\r\n" +
           "Lee [HQ],Globex,03 555 0301,\r\n" + "No Fax,Initech,,\r\n" +
           "Chen,\"Umbrella, Ltd\",04-2222-3333"; // no final line break
}

std::string Record(const std::string& name, const std::string& fax) {
    std::string record(62, '\0');
    record.replace(0, name.size(), name);
    record.replace(31, fax.size(), fax);
    return record;
}

std::string Count(int count) {
    return std::string(1, static_cast<char>(count)) + std::string(3, '\0');
}

class CsvImportTest : public ::testing::Test, protected FileImportRun {
  protected:
    explicit CsvImportTest(bool hostHasLimit = false)
        : FileImportRun("book.csv", kRecipientsCommand, hostHasLimit) {}

    void Start(const std::string& book, int importType, int option = 0) {
        StartWith(book, Arguments(importType, option), texts::kChooseCsvTitle);
    }
    std::string PickerTitle() const {
        return std::string(texts::kCsvImportCaption) + " - " + sourcePath;
    }
    // The column dialog has the same title and may still be closing: wait for the source list.
    HWND WaitForPicker() {
        for (int attempt = 0; attempt < 50; ++attempt) {
            HWND picker = importer->WaitForWindow(PickerTitle());
            if (!picker)
                break;
            if (::GetDlgItem(picker, IDC_SOURCE_LIST))
                return picker;
            PumpMessages(200ms);
        }
        ADD_FAILURE() << "no picker";
        return nullptr;
    }
    void SelectSource(HWND picker, std::initializer_list<int> entries) {
        SelectListItems(picker, IDC_SOURCE_LIST, entries);
    }
    // Adds the entry selected at start and confirms both the picker and the confirmation.
    void PickFirstAndConfirm() {
        HWND picker = WaitForPicker();
        ASSERT_NE(picker, nullptr);
        Add(picker);
        Click(picker, IDOK);
        HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
        ASSERT_NE(confirm, nullptr);
        Click(confirm, IDOK);
    }
    void ExpectNoAccounts() {
        ExpectMessage(texts::kNoAccountsImported, texts::kImportCaption, "warning");
    }
};

class LimitedCsvImportTest : public CsvImportTest {
  protected:
    LimitedCsvImportTest() : CsvImportTest(true) {}
};

TEST_F(CsvImportTest, HeaderWordsImportWritesThePickedRecipients) {
    Start(HeaderWordsBook(), 5);
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(ListBoxItems(picker, IDC_SOURCE_LIST),
              (std::vector<std::string>{kWang + " [(02)2700-0101]", kWang + " [02-2700-0102]",
                                        "Lee (HQ) [035550301]", "Lee (HQ) []", "No Fax []",
                                        "No Fax []", "Chen [04-2222-3333]"}));
    EXPECT_TRUE(ListBoxItems(picker, IDC_PICKED_LIST).empty());

    SelectSource(picker, {0, 2, 3, 4, 6});
    Add(picker);
    // The entry without a number is skipped; adding the same entry again changes nothing.
    SelectSource(picker, {2});
    Add(picker);
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST),
              (std::vector<std::string>{kWang + " [(02)2700-0101]", "Lee (HQ) [035550301]",
                                        "Chen [04-2222-3333]"}));
    Click(picker, IDOK);

    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(ItemText(confirm, IDC_CONFIRM_HEADING), "\xb1N\xb6\xd7\xa4J"
                                                      "3\xb6\xc7\xafu\xb1"
                                                      "b\xa4\xe1:");
    EXPECT_EQ(ItemText(confirm, IDC_SELECTED_COUNT), "3");
    EXPECT_EQ(ItemText(confirm, IDC_EXCLUDED_COUNT), "1"); // the row without any number
    EXPECT_EQ(ItemText(confirm, IDC_VALID_COUNT), "3");
    EXPECT_EQ(ItemText(confirm, IDC_EXCLUDED_LABEL), texts::kExcludedFromDatabase);
    EXPECT_EQ(ItemText(confirm, IDC_LIMIT_NOTE), "");
    EXPECT_EQ(ListBoxItems(confirm, IDC_CONFIRM_LIST),
              (std::vector<std::string>{kWang + "\t(02)2700-0101", "Lee (HQ)\t035550301",
                                        "Chen\t04-2222-3333"}));
    Click(confirm, IDOK);
    ExpectHandBack();
    EXPECT_EQ(ReadFileBytes(resultPath), Count(3) + Record(kWang, "(02)2700-0101") +
                                             Record("Lee (HQ)", "035550301") +
                                             Record("Chen", "04-2222-3333"));

    // exchange-dump reads the file back: the kind from its size, the Big5 name as UTF-8.
    ExpectDump(resultPath, "recipients",
               "3 recipients records\n"
               "\n#1\n  name: 王大明\n  faxNumber: (02)2700-0101\n"
               "\n#2\n  name: Lee (HQ)\n  faxNumber: 035550301\n"
               "\n#3\n  name: Chen\n  faxNumber: 04-2222-3333\n",
               {{{"name", "王大明"}, {"faxNumber", "(02)2700-0101"}},
                {{"name", "Lee (HQ)"}, {"faxNumber", "035550301"}},
                {{"name", "Chen"}, {"faxNumber", "04-2222-3333"}}});
    ExpectOtherKindRefused(resultPath, "speed-dial");
}

TEST_F(CsvImportTest, ChosenColumnsImportThroughTheColumnDialog) {
    const std::string book = "Who,Where,Number\r\nAnn,Taipei,0211\r\nBob,Tainan,0622\r\n";
    Start(book, 4);
    HWND columns =
        importer->WaitForWindow(std::string(texts::kCsvImportCaption) + " - " + sourcePath);
    ASSERT_NE(columns, nullptr);
    ASSERT_NE(::GetDlgItem(columns, IDC_COLUMN_LIST), nullptr);
    EXPECT_EQ(ListBoxItems(columns, IDC_COLUMN_LIST),
              (std::vector<std::string>{"Who", "Where", "Number"}));
    EXPECT_EQ(ItemText(columns, IDC_NAME_COLUMN_BUTTON), texts::kAssignNameCaption);
    EXPECT_EQ(ItemText(columns, IDC_FAX_COLUMN_BUTTON), texts::kAssignFaxCaption);

    // OK without a fax column is refused with a warning owned by the dialog.
    Click(columns, IDOK);
    ExpectMessage(texts::kFaxColumnRequired, texts::kCsvImportCaption, "warning");
    ASSERT_TRUE(::IsWindow(columns));

    ::SendDlgItemMessageA(columns, IDC_COLUMN_LIST, LB_SETCURSEL, 2, 0);
    Click(columns, IDC_NAME_COLUMN_BUTTON);
    PumpMessages(100ms);
    EXPECT_EQ(ItemText(columns, IDC_NAME_COLUMN_TEXT), "Number");
    EXPECT_EQ(ItemText(columns, IDC_NAME_COLUMN_BUTTON), texts::kReleaseNameCaption);
    // The fax column on the same field releases the name.
    Click(columns, IDC_FAX_COLUMN_BUTTON);
    PumpMessages(100ms);
    EXPECT_EQ(ItemText(columns, IDC_FAX_COLUMN_TEXT), "Number");
    EXPECT_EQ(ItemText(columns, IDC_NAME_COLUMN_TEXT), "");
    EXPECT_EQ(ItemText(columns, IDC_NAME_COLUMN_BUTTON), texts::kAssignNameCaption);
    EXPECT_EQ(ItemText(columns, IDC_FAX_COLUMN_BUTTON), texts::kReleaseFaxCaption);
    ::SendDlgItemMessageA(columns, IDC_COLUMN_LIST, LB_SETCURSEL, 0, 0);
    Click(columns, IDC_NAME_COLUMN_BUTTON);
    PumpMessages(100ms);
    Click(columns, IDOK);

    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(ListBoxItems(picker, IDC_SOURCE_LIST),
              (std::vector<std::string>{"Ann [0211]", "Bob [0622]"}));
    SelectSource(picker, {1});
    Add(picker);
    Click(picker, IDOK);
    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(ItemText(confirm, IDC_EXCLUDED_COUNT), "0");
    Click(confirm, IDOK);
    ExpectHandBack();
    EXPECT_EQ(ReadFileBytes(resultPath), Count(1) + Record("Bob", "0622"));
}

TEST_F(CsvImportTest, CancelledConfirmationLeavesTheOldFile) {
    WriteFileBytes(resultPath, "old contents");
    Start(HeaderWordsBook(), 5);
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    Add(picker); // the first entry is selected at start
    Click(picker, IDOK);
    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ASSERT_NE(confirm, nullptr);
    Click(confirm, IDCANCEL);
    ExpectNoAccounts();
    ExpectHandBack();
    EXPECT_EQ(ReadFileBytes(resultPath), "old contents");
}

TEST_F(CsvImportTest, CancelledPickerImportsNothing) {
    Start(HeaderWordsBook(), 5);
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    Add(picker);
    Click(picker, IDCANCEL);
    ExpectNoAccounts();
    ExpectHandBack();
    EXPECT_FALSE(FileExists(resultPath));
}

TEST_F(CsvImportTest, DeleteKeyAndButtonRemoveSelectedPicks) {
    Start(HeaderWordsBook(), 5);
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    SelectSource(picker, {0, 1, 2, 6});
    Add(picker);
    HWND picked = ::GetDlgItem(picker, IDC_PICKED_LIST);
    ::SendMessageA(picked, LB_SETSEL, TRUE, 0);
    ::SendMessageA(picked, LB_SETSEL, TRUE, 2);
    ::SetFocus(picked);
    ::PostMessageA(picked, WM_KEYDOWN, VK_DELETE, 1);
    PumpMessages(200ms);
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST),
              (std::vector<std::string>{kWang + " [02-2700-0102]", "Chen [04-2222-3333]"}));
    ::SendMessageA(picked, LB_SETSEL, TRUE, 1);
    Click(picker, IDC_DELETE_PICKS);
    PumpMessages(200ms);
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST),
              (std::vector<std::string>{kWang + " [02-2700-0102]"}));
    Click(picker, IDOK);
    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ASSERT_NE(confirm, nullptr);
    Click(confirm, IDOK);
    ExpectHandBack();
    EXPECT_EQ(ReadFileBytes(resultPath), Count(1) + Record(kWang, "02-2700-0102"));
}

TEST_F(CsvImportTest, TypedNameSelectsTheFirstMatch) {
    Start(HeaderWordsBook(), 5);
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    ::SendDlgItemMessageA(picker, IDC_SEARCH_TEXT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ch"));
    PumpMessages(200ms);
    HWND list = ::GetDlgItem(picker, IDC_SOURCE_LIST);
    EXPECT_EQ(::SendMessageA(list, LB_GETSELCOUNT, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(list, LB_GETSEL, 6, 0), TRUE);
    Click(picker, IDCANCEL);
    ExpectNoAccounts();
    ExpectHandBack();
}

TEST_F(CsvImportTest, SingleRecipientOptionRefusesASecondPick) {
    Start(HeaderWordsBook(), 5, 2);
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    SelectSource(picker, {0, 2});
    Add(picker);
    ExpectMessage(texts::kSingleRecipientOnly, texts::kCsvImportCaption, "warning");
    EXPECT_TRUE(ListBoxItems(picker, IDC_PICKED_LIST).empty());
    SelectSource(picker, {2});
    Add(picker);
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST).size(), 1u);
    Click(picker, IDOK);
    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ASSERT_NE(confirm, nullptr);
    Click(confirm, IDOK);
    ExpectHandBack();
    EXPECT_EQ(ReadFileBytes(resultPath), Count(1) + Record("Lee (HQ)", "035550301"));
}

TEST_F(LimitedCsvImportTest, HostLimitStopsAt200Recipients) {
    std::string book = std::string(texts::kNameHeaderWord) + "," + texts::kFaxHeaderWord + "\n";
    for (int row = 0; row < 205; ++row)
        book += "N" + std::to_string(row) + "," + std::to_string(1000 + row) + "\n";
    Start(book, 5);
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    ::SendDlgItemMessageA(picker, IDC_SOURCE_LIST, LB_SETSEL, TRUE, -1);
    Add(picker);
    ExpectMessage(texts::kRecipientLimitReached, texts::kCsvImportCaption, "warning");
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST).size(), 200u);
    Click(picker, IDOK);
    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(ItemText(confirm, IDC_VALID_COUNT), "200");
    Click(confirm, IDOK);
    ExpectHandBack();
    const std::string bytes = ReadFileBytes(resultPath);
    ASSERT_EQ(bytes.size(), 4u + 200 * 62);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xc8\0\0\0", 4));
    EXPECT_EQ(bytes.substr(4 + 199 * 62, 62), Record("N199", "1199"));
}

struct FailureCase {
    const char* name;
    std::string book;
    const char* format;
};

class CsvFailureTest : public CsvImportTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CsvFailureTest, ShowsItsMessageThenNoAccounts) {
    Start(GetParam().book, 5);
    ExpectMessage(WithPath(GetParam().format, sourcePath), texts::kCsvErrorCaption, "error");
    ExpectNoAccounts();
    ExpectHandBack();
    EXPECT_FALSE(FileExists(resultPath));
}

INSTANTIATE_TEST_SUITE_P(Files, CsvFailureTest,
                         ::testing::Values(FailureCase{"empty", "", texts::kCannotAccessFile},
                                           FailureCase{"noFaxColumn", "Name,Phone\r\nAnn,0211\r\n",
                                                       texts::kNoFaxNumberInFile},
                                           FailureCase{"unclosedQuote",
                                                       std::string(texts::kNameHeaderWord) + "," +
                                                           texts::kFaxHeaderWord +
                                                           "\r\nAnn,\"0211\r\n",
                                                       texts::kCsvFormatInvalid}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CsvImportTest, FileHeldOpenWithoutSharingCannotBeRead) {
    WriteFileBytes(sourcePath, HeaderWordsBook());
    importer.emplace(Arguments(5));
    HWND fileDialog = importer->WaitForWindow(texts::kChooseCsvTitle);
    ASSERT_NE(fileDialog, nullptr);
    HANDLE held =
        ::CreateFileA(sourcePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ChooseFile(fileDialog, sourcePath);
    ExpectMessage(WithPath(texts::kCannotAccessFile, sourcePath), texts::kCsvErrorCaption, "error");
    ::CloseHandle(held);
    ExpectNoAccounts();
    ExpectHandBack();
}

TEST_F(CsvImportTest, ResultPathsFarBeyondMaxPathAreWritten) {
    // About 2,000 characters from the command line to the file, nowhere cut.
    std::wstring longFolder = L"\\\\?\\" + std::wstring(folder.begin(), folder.end());
    for (wchar_t level = L'a'; level < L'j'; ++level) {
        longFolder += L"\\" + std::wstring(220, level);
        ::CreateDirectoryW(longFolder.c_str(), nullptr);
    }
    const std::wstring longResult = longFolder + L"\\result.bin";
    ::DeleteFileW(longResult.c_str());
    resultPath = std::string(longResult.begin() + 4, longResult.end());
    ASSERT_GT(resultPath.size(), 2000u);
    Start(HeaderWordsBook(), 5);
    ASSERT_NO_FATAL_FAILURE(PickFirstAndConfirm());
    ExpectHandBack();
    WIN32_FILE_ATTRIBUTE_DATA written{};
    ASSERT_TRUE(::GetFileAttributesExW(longResult.c_str(), GetFileExInfoStandard, &written));
    EXPECT_EQ(written.nFileSizeLow, 4u + 62u);
}

TEST_F(CsvImportTest, UnwritableResultIsReportedAndLeavesTheOldFile) {
    WriteFileBytes(resultPath, "old contents");
    HANDLE held =
        ::CreateFileA(resultPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Start(HeaderWordsBook(), 5);
    ASSERT_NO_FATAL_FAILURE(PickFirstAndConfirm());
    ExpectMessage(WithPath(texts::kCannotWriteResult, resultPath), texts::kImportCaption, "error");
    ::CloseHandle(held);
    ExpectHandBack();
    EXPECT_EQ(ReadFileBytes(resultPath), "old contents");
}

TEST_F(CsvImportTest, ResultFolderThatDoesNotExistIsReported) {
    resultPath = folder + "\\missing\\result.bin";
    Start(HeaderWordsBook(), 5);
    ASSERT_NO_FATAL_FAILURE(PickFirstAndConfirm());
    ExpectMessage(WithPath(texts::kCannotWriteResult, resultPath), texts::kImportCaption, "error");
    ExpectHandBack();
}

TEST_F(CsvImportTest, EmptyCommandLineConfirmsButWritesNothing) {
    WriteFileBytes(sourcePath, HeaderWordsBook());
    importer.emplace("");
    HWND chooser = importer->WaitForWindow(texts::kImportCaption);
    ASSERT_NE(chooser, nullptr);
    SetCheck(chooser, IDC_SEARCH_COLUMNS, true);
    Click(chooser, IDOK);
    HWND fileDialog = importer->WaitForWindow(texts::kChooseCsvTitle);
    ASSERT_NE(fileDialog, nullptr);
    ChooseFile(fileDialog, sourcePath);
    ASSERT_NO_FATAL_FAILURE(PickFirstAndConfirm());
    ExpectNoAccounts();
    ExpectHandBack();
}

} // namespace
} // namespace e2e
