// The importer's dialogs at the display's DPI. ctest runs this suite in Wine prefixes whose
// displays have 144 and 192 dots per inch (scripts/wine-run's WINE_DPI): every dialog must be
// laid out with its template's font at that DPI, lie on the screen, and keep its controls inside
// it and apart and their texts whole. (This Wine runs every program DPI-aware, so the manifest's
// declaration shows only in the program file: ProgramFile.CarriesManifestAndIcon.) With
// DPI_SHOTS naming a folder, a picture of each dialog goes there.
#include "DialogFont.h"
#include "DialogLayout.h"
#include "ResourceIds.h"
#include "TestHost.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace e2e {
namespace {

const std::string kExamples = SPEEDDIAL_EXAMPLES_DIR;

// The DPI the prefix was made with, or 0 when the suite runs in the ordinary prefix.
UINT PrefixDpi() {
    const char* dpi = std::getenv("WINE_DPI");
    return dpi ? static_cast<UINT>(std::strtoul(dpi, nullptr, 10)) : 0;
}

class DpiLayoutTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // The test sees the importer's windows in the pixels they are drawn with.
        ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    }
    void SetUp() override {
        dpi = ::GetDpiForSystem();
        if (PrefixDpi() != 0) {
            ASSERT_EQ(dpi, PrefixDpi()) << "the display does not have the prefix's DPI";
        }
        folder = MakeTestFolder(
            "dpi-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        OfferAddressBooks(false);
    }
    void TearDown() override { OfferAddressBooks(false); }

    void Start(const std::string& arguments) { importer.emplace(arguments); }
    void StartWithFile(const std::string& bytes, int importType, const char* fileDialogTitle) {
        const std::string source = folder + "\\source.csv";
        WriteFileBytes(source, bytes);
        Start(folder + "\\result.bin||0|IMPORT_TYPE_" + std::to_string(importType));
        HWND fileDialog = importer->WaitForWindow(fileDialogTitle);
        ASSERT_NE(fileDialog, nullptr);
        ChooseFile(fileDialog, source);
        sourcePath = source;
    }

    // Checks a dialog of the importer made from template `templateId`.
    void ExpectSoundDialog(HWND dialog, int templateId, const std::string& picture) {
        SCOPED_TRACE(picture + " at " + std::to_string(dpi) + " dpi");
        ASSERT_NE(dialog, nullptr);
        DialogFont font(TestImporter::ImporterPath(), templateId, dpi);
        ASSERT_NE(font.Get(), nullptr) << font.Error();
        // The dialog's size follows from the font: its texts are measured as they are drawn.
        RECT client{};
        ::GetClientRect(dialog, &client);
        const SIZE expected = font.TemplateSizeInPixels();
        EXPECT_NEAR(client.right, expected.cx, 1) << "not laid out with the template's font";
        EXPECT_NEAR(client.bottom, expected.cy, 1) << "not laid out with the template's font";
        EXPECT_EQ(LayoutProblems(dialog, font.Get(), dpi), std::vector<std::string>{});
        SavePicture(dialog, picture);
    }
    // Checks the message box the importer shows now, then answers it.
    void ExpectSoundMessageBox(const char* caption, const std::string& picture, int button = IDOK) {
        SCOPED_TRACE(picture + " at " + std::to_string(dpi) + " dpi");
        HWND box = importer->WaitForWindow(caption);
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(IsMessageBox(box));
        MessageFont font(dpi);
        ASSERT_NE(font.Get(), nullptr);
        EXPECT_EQ(LayoutProblems(box, font.Get(), dpi), std::vector<std::string>{});
        SavePicture(box, picture);
        Click(box, button);
        PumpMessages(100ms);
    }
    void SavePicture(HWND window, const std::string& name) {
        const char* shots = std::getenv("DPI_SHOTS");
        if (shots && *shots)
            SaveWindowPicture(window, std::string(shots) + "\\" + name + "-" + std::to_string(dpi) +
                                          ".bmp");
    }
    void ExpectEnd() {
        ASSERT_TRUE(importer->WaitForExit());
        EXPECT_EQ(host.Commands().size(), 1u);
    }
    std::string PickerTitle(const char* caption) const {
        return std::string(caption) + " - " + sourcePath;
    }

    UINT dpi = 0;
    TestHost host;
    std::string folder;
    std::string sourcePath;
    std::optional<TestImporter> importer;
};

TEST_F(DpiLayoutTest, ChooserWithEitherCheckBox) {
    OfferAddressBooks(true);
    Start(folder + "\\result.bin|h.chm|1");
    HWND chooser = importer->WaitForWindow(texts::kImportCaption);
    ASSERT_NE(chooser, nullptr);
    ASSERT_EQ(ComboBoxItems(chooser, IDC_IMPORT_TYPE_LIST).size(), 4u);
    SelectComboItem(chooser, IDC_IMPORT_TYPE_LIST, 2);
    ASSERT_TRUE(ItemVisible(chooser, IDC_SEARCH_COLUMNS));
    ExpectSoundDialog(chooser, IDD_IMPORT_TYPE, "chooser-csv");
    SelectComboItem(chooser, IDC_IMPORT_TYPE_LIST, 1);
    ASSERT_TRUE(ItemVisible(chooser, IDC_DEFAULT_WAB));
    ExpectSoundDialog(chooser, IDD_IMPORT_TYPE, "chooser-wab");
    Click(chooser, IDCANCEL);
    ExpectEnd();
}

TEST_F(DpiLayoutTest, CsvColumnDialogAndItsWarning) {
    StartWithFile("Who,Where,Number\r\nAnn,Taipei,0211\r\n", 4, texts::kChooseCsvTitle);
    HWND columns = importer->WaitForWindow(PickerTitle(texts::kCsvImportCaption));
    ASSERT_NE(columns, nullptr);
    ExpectSoundDialog(columns, IDD_CSV_COLUMNS, "csv-columns");
    Click(columns, IDOK); // no fax column yet
    ExpectSoundMessageBox(texts::kCsvImportCaption, "message-warning");
    // Both columns chosen: the buttons offer to release them.
    for (const auto& [row, button] :
         {std::pair{0, IDC_NAME_COLUMN_BUTTON}, std::pair{2, IDC_FAX_COLUMN_BUTTON}}) {
        ::SendDlgItemMessageA(columns, IDC_COLUMN_LIST, LB_SETCURSEL, row, 0);
        Click(columns, button);
        PumpMessages(100ms);
    }
    ASSERT_EQ(ItemText(columns, IDC_FAX_COLUMN_BUTTON), texts::kReleaseFaxCaption);
    ExpectSoundDialog(columns, IDD_CSV_COLUMNS, "csv-columns-chosen");
    Click(columns, IDCANCEL);
    ExpectSoundMessageBox(texts::kImportCaption, "message-no-accounts");
    ExpectEnd();
}

TEST_F(DpiLayoutTest, CsvPickerAndConfirmation) {
    std::string book = std::string(texts::kNameHeaderWord) + "," + texts::kFaxHeaderWord + "\r\n";
    for (int row = 0; row < 40; ++row)
        book += "\xa4\xfd\xa4j\xa9\xfa " + std::to_string(row) + ",(02) 2700-" +
                std::to_string(1000 + row) + "\r\n";
    StartWithFile(book, 5, texts::kChooseCsvTitle);
    HWND picker = importer->WaitForWindow(PickerTitle(texts::kCsvImportCaption));
    ASSERT_NE(picker, nullptr);
    SelectListItems(picker, IDC_SOURCE_LIST, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    Click(picker, IDC_ADD_PICKS);
    PumpMessages(200ms);
    ASSERT_EQ(ListBoxItems(picker, IDC_PICKED_LIST).size(), 13u);
    ExpectSoundDialog(picker, IDD_CSV_PICKER, "csv-picker");
    Click(picker, IDOK);
    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ExpectSoundDialog(confirm, IDD_IMPORT_CONFIRM, "confirmation");
    Click(confirm, IDCANCEL);
    ExpectSoundMessageBox(texts::kImportCaption, "message-no-accounts");
    ExpectEnd();
}

TEST_F(DpiLayoutTest, SpeedDialPickerDetailAndQuestion) {
    const std::string sample = ReadFileBytes(kExamples + "/speeddial-v5.csv");
    ASSERT_FALSE(sample.empty());
    StartWithFile(sample, 6, texts::kChooseSpeedDialTitle);
    HWND picker = importer->WaitForWindow(PickerTitle(texts::kSpeedDialImportCaption));
    ASSERT_NE(picker, nullptr);
    SelectListItems(picker, IDC_SOURCE_LIST, {0, 1, 2, 3, 4});
    Click(picker, IDC_ADD_PICKS);
    PumpMessages(200ms);
    ExpectSoundDialog(picker, IDD_SPEED_DIAL_PICKER, "speed-dial-picker");

    SelectListItems(picker, IDC_SOURCE_LIST, {4}); // the relay entry with an F-code
    Click(picker, IDC_VIEW_DETAILS);
    HWND detail = importer->WaitForWindow(std::string(texts::kSpeedDialNumberTitle) + "2");
    ExpectSoundDialog(detail, IDD_SPEED_DIAL_DETAIL, "speed-dial-detail");
    Click(detail, IDOK);
    PumpMessages(200ms);

    Click(picker, IDOK);
    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ASSERT_NE(confirm, nullptr);
    Click(confirm, IDOK);
    ExpectSoundMessageBox(texts::kSpeedDialImportCaption, "message-question", IDNO);
    ExpectEnd();
}

} // namespace
} // namespace e2e
