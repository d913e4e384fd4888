// CSV imports of today's exports under a Big5 system: UTF-8 and UTF-16 files, quoted line
// breaks, semicolons and tabs, other phone books' header words, composed names, web address
// books' phone columns, carriage-return line ends and numbers typed in full width, and the vCard
// exports of phones, web address books and mail programs (no column dialog), through both import
// types from the file dialog to the result file.
#include "ExportBooks.h"
#include "FileImportRun.h"
#include "ResourceIds.h"
#include "VCardBooks.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr WPARAM kRecipientsCommand = 1022;
using Texts = std::vector<std::string>;
using export_books::Book;
using export_books::ToBig5;

Texts InBig5(const Texts& utf8) {
    Texts big5;
    for (const std::string& text : utf8)
        big5.push_back(ToBig5(text));
    return big5;
}

bool HasNumber(const std::string& entry) {
    return entry.size() < 3 || entry.compare(entry.size() - 3, 3, " []") != 0;
}

// The result file's record of a picked entry "name [fax]": both fields in 31 bytes each.
std::string Record(const std::string& entry) {
    const std::size_t open = entry.rfind(" [");
    const std::string name = entry.substr(0, open);
    const std::string fax = entry.substr(open + 2, entry.size() - open - 3);
    std::string record(62, '\0');
    record.replace(0, name.size(), name);
    record.replace(31, fax.size(), fax);
    return record;
}

std::string Count(std::size_t count) {
    return std::string(1, static_cast<char>(count)) + std::string(3, '\0');
}

struct ImportCase {
    Book book;
    int importType;
};

void PrintTo(const ImportCase& importCase, std::ostream* out) {
    *out << importCase.book.kind << ", import type " << importCase.importType;
}

class CsvEncodingTest : public ::testing::TestWithParam<ImportCase>, protected FileImportRun {
  protected:
    CsvEncodingTest() : FileImportRun("book.csv", kRecipientsCommand, false) {}

    void Start(const std::string& bytes, int importType) {
        StartWith(bytes, Arguments(importType), texts::kChooseCsvTitle);
    }

    // The column dialog and the picker share their title: tell them by a control.
    HWND WaitForDialogWith(int controlId) {
        const std::string title = std::string(texts::kCsvImportCaption) + " - " + sourcePath;
        for (int attempt = 0; attempt < 50; ++attempt) {
            HWND dialog = importer->WaitForWindow(title);
            if (dialog && ::GetDlgItem(dialog, controlId))
                return dialog;
            PumpMessages(200ms);
        }
        return nullptr;
    }

    void ChooseColumns(const Book& book) {
        HWND columns = WaitForDialogWith(IDC_COLUMN_LIST);
        ASSERT_NE(columns, nullptr);
        EXPECT_EQ(ListBoxItems(columns, IDC_COLUMN_LIST), InBig5(book.headerFields));
        if (book.nameColumn >= 0) {
            ::SendDlgItemMessageA(columns, IDC_COLUMN_LIST, LB_SETCURSEL, book.nameColumn, 0);
            Click(columns, IDC_NAME_COLUMN_BUTTON);
            PumpMessages(100ms);
        }
        ::SendDlgItemMessageA(columns, IDC_COLUMN_LIST, LB_SETCURSEL, book.faxColumn, 0);
        Click(columns, IDC_FAX_COLUMN_BUTTON);
        PumpMessages(100ms);
        EXPECT_EQ(ItemText(columns, IDC_FAX_COLUMN_TEXT),
                  ToBig5(book.headerFields[static_cast<std::size_t>(book.faxColumn)]));
        Click(columns, IDOK);
    }
};

TEST_P(CsvEncodingTest, NamesAndNumbersReachTheResultFileInBig5) {
    const Book& book = GetParam().book;
    const bool chosen = GetParam().importType == 4;
    const export_books::Expected& expected = chosen ? book.chosen : book.found;
    Start(book.bytes, GetParam().importType);
    if (chosen && !book.headerFields.empty()) // a vCard file has no columns to choose
        ChooseColumns(book);

    HWND picker = WaitForDialogWith(IDC_SOURCE_LIST);
    ASSERT_NE(picker, nullptr);
    const Texts entries = InBig5(expected.entries);
    EXPECT_EQ(ListBoxItems(picker, IDC_SOURCE_LIST), entries);
    ::SendDlgItemMessageA(picker, IDC_SOURCE_LIST, LB_SETSEL, TRUE, -1);
    Add(picker);
    Texts picked;
    for (const std::string& entry : entries) {
        if (HasNumber(entry))
            picked.push_back(entry);
    }
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST), picked);
    Click(picker, IDOK);

    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(ItemText(confirm, IDC_VALID_COUNT), std::to_string(picked.size()));
    EXPECT_EQ(ItemText(confirm, IDC_EXCLUDED_COUNT), std::to_string(expected.excluded));
    Click(confirm, IDOK);
    ExpectHandBack();

    std::string records = Count(picked.size());
    for (const std::string& entry : picked)
        records += Record(entry);
    EXPECT_EQ(ReadFileBytes(resultPath), records);
}

std::vector<ImportCase> AllImports() {
    std::vector<ImportCase> cases;
    for (const Book& book : export_books::AllBooks()) {
        cases.push_back({book, 5});
        cases.push_back({book, 4});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Exports, CsvEncodingTest, ::testing::ValuesIn(AllImports()),
                         [](const auto& info) {
                             return info.param.book.kind + "Type" +
                                    std::to_string(info.param.importType);
                         });

std::vector<ImportCase> VCardImports() {
    std::vector<ImportCase> cases;
    for (const Book& book : vcard_books::AllBooks()) {
        cases.push_back({book, 5});
        cases.push_back({book, 4});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(VCards, CsvEncodingTest, ::testing::ValuesIn(VCardImports()),
                         [](const auto& info) {
                             return info.param.book.kind + "Type" +
                                    std::to_string(info.param.importType);
                         });

struct FailureCase {
    const char* name;
    std::string bytes;
    const char* format;
};

class CsvEncodingEdgeTest : public CsvEncodingTest {
  protected:
    void ExpectFailure(const std::string& bytes, const char* format) {
        Start(bytes, 5);
        ExpectMessage(WithPath(format, sourcePath), texts::kCsvErrorCaption, "error");
        ExpectMessage(texts::kNoAccountsImported, texts::kImportCaption, "warning");
        ExpectHandBack();
        EXPECT_FALSE(FileExists(resultPath));
    }

    void ExpectPickerEntry(const std::string& bytes, const std::string& entry) {
        Start(bytes, 5);
        HWND picker = WaitForDialogWith(IDC_SOURCE_LIST);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(ListBoxItems(picker, IDC_SOURCE_LIST), Texts{entry});
        Click(picker, IDCANCEL);
        ASSERT_TRUE(AnswerMessageBox(*importer).has_value());
        ExpectHandBack();
    }
};

TEST_F(CsvEncodingEdgeTest, MarkAloneIsAnEmptyFile) {
    ExpectFailure("\xEF\xBB\xBF", texts::kCannotAccessFile);
}

TEST_F(CsvEncodingEdgeTest, QuoteOpenToTheEndOfAUtf16FileIsInvalidData) {
    ExpectFailure("\xFF\xFE" + export_books::ToUtf16("名稱\t傳真\r\n\"A\r\nB\t1\r\n", true),
                  texts::kCsvFormatInvalid);
}

// Not failures: the import goes on with the default character in the names.
TEST_F(CsvEncodingEdgeTest, InvalidUtf8AfterTheMarkIsOneDefaultCharacterPerByte) {
    ExpectPickerEntry("\xEF\xBB\xBF名稱,傳真\r\nA\xFF"
                      "1,1\r\n",
                      "A?1 [1]");
}

TEST_F(CsvEncodingEdgeTest, LoneSurrogateInUtf16IsOneDefaultCharacter) {
    ExpectPickerEntry("\xFF\xFE" + export_books::ToUtf16("名稱,傳真\r\nB", true) +
                          std::string("\x00\xD8", 2) + export_books::ToUtf16("2,2\r\n", true),
                      "B?2 [2]");
}

} // namespace
} // namespace e2e
