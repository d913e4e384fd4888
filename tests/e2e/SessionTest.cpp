// The import session through its windows: command-line shapes, the host, the chooser.
#include "ResourceIds.h"
#include "TestHost.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr WPARAM kRecipientsCommand = 1022;
constexpr WPARAM kSpeedDialCommand = 1028;

using Commands = std::vector<std::pair<WPARAM, LPARAM>>;

class SessionTest : public ::testing::Test {
  protected:
    void SetUp() override { OfferAddressBooks(false); }
    void TearDown() override { OfferAddressBooks(false); }

    std::string ResultPath() { return MakeTestFolder(Name()) + "\\result.bin"; }
    static std::string Name() {
        return ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    HWND WaitForChooser(Importer& importer) {
        HWND chooser = importer.WaitForWindow(texts::kImportCaption);
        EXPECT_NE(chooser, nullptr) << "no chooser";
        if (chooser) {
            EXPECT_NE(::GetDlgItem(chooser, IDC_IMPORT_TYPE_LIST), nullptr);
        }
        return chooser;
    }

    // Ends a session that shows only the "no accounts imported" warning.
    void ExpectNoAccountsWarning(Importer& importer) {
        const auto message = AnswerMessageBox(importer);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->text, texts::kNoAccountsImported);
        EXPECT_EQ(message->caption, texts::kImportCaption);
        EXPECT_EQ(message->icon, "warning");
    }

    // A speed-dial import of the version 5 sample up to its memo question: the first entry
    // added, the picker and the confirmation confirmed.
    void PickAndConfirmASpeedDialEntry(Importer& importer) {
        HWND fileDialog = importer.WaitForWindow(texts::kChooseSpeedDialTitle);
        ASSERT_NE(fileDialog, nullptr);
        const std::string book = ToWindowsPath(SPEEDDIAL_EXAMPLES_DIR "/speeddial-v5.csv");
        ChooseFile(fileDialog, book);
        HWND picker =
            importer.WaitForWindow(std::string(texts::kSpeedDialImportCaption) + " - " + book);
        ASSERT_NE(picker, nullptr);
        Click(picker, IDC_ADD_PICKS);
        PumpMessages(200ms);
        Click(picker, IDOK);
        HWND confirmation = importer.WaitForWindow(texts::kConfirmCaption);
        ASSERT_NE(confirmation, nullptr);
        Click(confirmation, IDOK);
    }

    void ExpectHandBack(Importer& importer, WPARAM command) {
        ASSERT_TRUE(importer.WaitForExit());
        EXPECT_EQ(host.Commands(), (Commands{{command, 0}}));
        EXPECT_TRUE(host.Enabled());
    }

    TestHost host;
};

TEST_F(SessionTest, UnknownTypeHandsBackAtOnceWithoutWindows) {
    TestImporter importer(ResultPath() + "||0|IMPORT_TYPE_9");
    ExpectHandBack(importer, kRecipientsCommand);
}

TEST_F(SessionTest, TypeOnCommandLineSkipsTheChooser) {
    const std::string result = ResultPath();
    TestImporter importer(result + "||0|IMPORT_TYPE_4");
    HWND fileDialog = importer.WaitForWindow(texts::kChooseCsvTitle);
    ASSERT_NE(fileDialog, nullptr);
    EXPECT_FALSE(host.Enabled());
    Click(fileDialog, IDCANCEL);
    ExpectNoAccountsWarning(importer);
    ExpectHandBack(importer, kRecipientsCommand);
    EXPECT_FALSE(FileExists(result));
}

TEST_F(SessionTest, EmptyOptionFieldWithSpeedDialTypePosts1028) {
    TestImporter importer(ResultPath() + "|||IMPORT_TYPE_6");
    HWND fileDialog = importer.WaitForWindow(texts::kChooseSpeedDialTitle);
    ASSERT_NE(fileDialog, nullptr);
    Click(fileDialog, IDCANCEL);
    ExpectNoAccountsWarning(importer);
    ExpectHandBack(importer, kSpeedDialCommand);
}

TEST_F(SessionTest, ShapesWithoutTypeShowTheChooser) {
    for (const std::string& arguments :
         {std::string("|my.chm"), std::string("|"), std::string(""),
          std::string("||0|import_type_5"), std::string("||0|IMPORT_TYPE_0"), std::string("   ")}) {
        SCOPED_TRACE("arguments: " + arguments);
        TestHost sessionHost;
        std::string commandLine = arguments;
        if (!arguments.empty() && arguments[0] != ' ')
            commandLine.insert(0, ResultPath());
        TestImporter importer(commandLine);
        HWND chooser = WaitForChooser(importer);
        ASSERT_NE(chooser, nullptr);
        EXPECT_FALSE(sessionHost.Enabled());
        Click(chooser, IDCANCEL);
        ASSERT_TRUE(importer.WaitForExit());
        EXPECT_EQ(sessionHost.Commands(), (Commands{{kRecipientsCommand, 0}}));
        EXPECT_TRUE(sessionHost.Enabled());
    }
}

TEST_F(SessionTest, ChooserCancelledByEscAndCloseBoxEndsSilently) {
    for (int way = 0; way < 2; ++way) {
        TestHost sessionHost;
        TestImporter importer(ResultPath());
        HWND chooser = WaitForChooser(importer);
        ASSERT_NE(chooser, nullptr);
        if (way == 0)
            PressKey(chooser, VK_ESCAPE);
        else
            CloseWithCloseBox(chooser);
        ASSERT_TRUE(importer.WaitForExit()) << "way " << way;
        EXPECT_EQ(sessionHost.Commands(), (Commands{{kRecipientsCommand, 0}}));
    }
}

TEST_F(SessionTest, ChooserWithoutAddressBooksOffersFilesAndTheColumnSearchBox) {
    TestImporter importer(ResultPath() + "|h.chm|0");
    HWND chooser = WaitForChooser(importer);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(ComboBoxItems(chooser, IDC_IMPORT_TYPE_LIST),
              (std::vector<std::string>{texts::kCsvEntry, texts::kSpeedDialEntry}));
    EXPECT_EQ(ComboBoxSelection(chooser, IDC_IMPORT_TYPE_LIST), 0);
    EXPECT_TRUE(ItemVisible(chooser, IDC_SEARCH_COLUMNS));
    EXPECT_FALSE(ItemChecked(chooser, IDC_SEARCH_COLUMNS));
    EXPECT_FALSE(ItemVisible(chooser, IDC_DEFAULT_WAB));

    // Checked under CSV, kept while hidden under the speed-dial entry.
    SetCheck(chooser, IDC_SEARCH_COLUMNS, true);
    SelectComboItem(chooser, IDC_IMPORT_TYPE_LIST, 1);
    EXPECT_FALSE(ItemVisible(chooser, IDC_SEARCH_COLUMNS));
    SelectComboItem(chooser, IDC_IMPORT_TYPE_LIST, 0);
    EXPECT_TRUE(ItemVisible(chooser, IDC_SEARCH_COLUMNS));
    EXPECT_TRUE(ItemChecked(chooser, IDC_SEARCH_COLUMNS));
    SelectComboItem(chooser, IDC_IMPORT_TYPE_LIST, 1);
    Click(chooser, IDOK);

    HWND fileDialog = importer.WaitForWindow(texts::kChooseSpeedDialTitle);
    ASSERT_NE(fileDialog, nullptr);
    Click(fileDialog, IDCANCEL);
    ExpectNoAccountsWarning(importer);
    ExpectHandBack(importer, kSpeedDialCommand);
}

TEST_F(SessionTest, ChooserWithAddressBooksListsAllFourEntries) {
    OfferAddressBooks(true);
    TestImporter importer(ResultPath() + "|h.chm|1");
    HWND chooser = WaitForChooser(importer);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(ComboBoxItems(chooser, IDC_IMPORT_TYPE_LIST),
              (std::vector<std::string>{texts::kMapiEntry, texts::kWabEntry, texts::kCsvEntry,
                                        texts::kSpeedDialEntry}));
    EXPECT_EQ(ComboBoxSelection(chooser, IDC_IMPORT_TYPE_LIST), 0);
    EXPECT_FALSE(ItemVisible(chooser, IDC_SEARCH_COLUMNS));
    EXPECT_FALSE(ItemVisible(chooser, IDC_DEFAULT_WAB));

    SelectComboItem(chooser, IDC_IMPORT_TYPE_LIST, 1);
    EXPECT_TRUE(ItemVisible(chooser, IDC_DEFAULT_WAB));
    EXPECT_TRUE(ItemChecked(chooser, IDC_DEFAULT_WAB));
    SetCheck(chooser, IDC_DEFAULT_WAB, false);
    Click(chooser, IDOK);
    // Type 2 asks for the address-book file.
    HWND fileDialog = importer.WaitForWindow(texts::kChooseWabTitle);
    ASSERT_NE(fileDialog, nullptr);
    Click(fileDialog, IDCANCEL);
    ExpectNoAccountsWarning(importer);
    ExpectHandBack(importer, kRecipientsCommand);
}

TEST_F(SessionTest, SingleRecipientOptionHidesAddressBooks) {
    OfferAddressBooks(true);
    TestImporter importer(ResultPath() + "|h.chm|2");
    HWND chooser = WaitForChooser(importer);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(ComboBoxItems(chooser, IDC_IMPORT_TYPE_LIST),
              (std::vector<std::string>{texts::kCsvEntry, texts::kSpeedDialEntry}));
    EXPECT_TRUE(ItemVisible(chooser, IDC_SEARCH_COLUMNS));
    Click(chooser, IDCANCEL);
    ExpectHandBack(importer, kRecipientsCommand);
}

TEST_F(SessionTest, NoForegroundWindowMeansNoHost) {
    host.Destroy();
    // With no active window Wine reports the desktop as the foreground window. Taken for a host,
    // its top-level windows would count as its children, and this one would set the limit,
    // which skips the memo question.
    TestHost limitChildOfTheDesktop;
    ::ShowWindow(limitChildOfTheDesktop.Window(), SW_HIDE);
    ::SetWindowLongPtrA(limitChildOfTheDesktop.Window(), GWLP_ID, IDC_HOST_LIMIT_CHILD);
    HWND desktop = ::GetDesktopWindow();
    ::SetForegroundWindow(desktop);
    PumpMessages(100ms);
    ASSERT_EQ(::GetForegroundWindow(), desktop);
    ASSERT_EQ(::GetDlgItem(desktop, IDC_HOST_LIMIT_CHILD), limitChildOfTheDesktop.Window());

    TestImporter importer(ResultPath() + "||0|IMPORT_TYPE_6");
    ASSERT_NO_FATAL_FAILURE(PickAndConfirmASpeedDialEntry(importer));
    const auto question = AnswerMessageBox(importer, IDYES);
    ASSERT_TRUE(question.has_value());
    EXPECT_EQ(question->text, texts::kMemoQuestion) << "the desktop was taken for a host";
    ASSERT_TRUE(importer.WaitForExit());
    EXPECT_TRUE(limitChildOfTheDesktop.Commands().empty());
}

TEST_F(SessionTest, HostStaysDisabledAfterAMessageBoxCloses) {
    // Wine enables the host when the memo question it owns closes; the importer must disable it
    // again while it writes the result, so the host gets its window back only at the hand-back.
    const std::string result = ResultPath();
    host.ProbeWhenEnabled([&result] { return FileExists(result); });
    TestImporter importer(result + "||0|IMPORT_TYPE_6");
    ASSERT_NO_FATAL_FAILURE(PickAndConfirmASpeedDialEntry(importer));
    const auto question = AnswerMessageBox(importer, IDYES);
    ASSERT_TRUE(question.has_value());
    EXPECT_EQ(question->text, texts::kMemoQuestion);
    ExpectHandBack(importer, kSpeedDialCommand);
    ASSERT_TRUE(FileExists(result));
    ASSERT_FALSE(host.EnabledProbes().empty());
    EXPECT_TRUE(host.EnabledProbes().back())
        << "the host was enabled before the result was written";
}

TEST_F(SessionTest, HelpButtonShowsNoMessageEvenWhenTheHelpFileIsMissing) {
    for (const char* helpField : {"", "missing.chm"}) {
        SCOPED_TRACE(std::string("help field: ") + helpField);
        TestHost sessionHost;
        TestImporter importer(ResultPath() + "|" + helpField + "|0");
        HWND chooser = WaitForChooser(importer);
        ASSERT_NE(chooser, nullptr);
        Click(chooser, IDC_CHOOSER_HELP);
        PumpMessages(3s);
        for (const std::string& caption : importer.WindowCaptions()) {
            HWND window = importer.WaitForWindow(caption, 0ms);
            EXPECT_EQ(::GetDlgItem(window, 0xFFFF), nullptr) << "message box: " << caption;
        }
        ASSERT_TRUE(::IsWindow(chooser));
        Click(chooser, IDCANCEL);
        ASSERT_TRUE(importer.WaitForExit());
        EXPECT_EQ(sessionHost.Commands(), (Commands{{kRecipientsCommand, 0}}));
    }
}

} // namespace
} // namespace e2e
