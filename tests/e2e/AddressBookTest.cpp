// Import types 1, 2 and 3 against the test providers: from the command line through the address
// dialog and the confirmation to the result file, and the providers' counts of what the importer
// left open.
#include "FileImportRun.h"
#include "ResourceIds.h"
#include "TestHost.h"
#include "addressbook/ProviderBitness.h"
#include "session/ExchangeFile.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

namespace e2e {
namespace {

using Commands = std::vector<std::pair<WPARAM, LPARAM>>;
using Strings = std::vector<std::string>;
using Report = std::map<std::string, std::string>;

constexpr WPARAM kRecipientsCommand = 1022;
constexpr char kDllPathKey[] = "Software\\Microsoft\\WAB\\DLLPath";
const std::string kBig5Fax = "\xb6\xc7\xaf\x75"; // 傳真

std::string WabProvider() {
    return ToWindowsPath(TEST_WAB_DLL);
}
std::string MapiProvider() {
    return ToWindowsPath(TEST_MAPI_DLL);
}
std::string OtherBitnessWabProvider() {
    return ToWindowsPath(OTHER_BITNESS_WAB_DLL);
}
// Leaves "<its own path>.loaded" when loaded.
std::string PlantedLibrary() {
    return ToWindowsPath(PLANTED_DLL);
}

std::string Hex(HWND window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)));
    return text;
}

void SetWabLibrary(const std::string& value, DWORD type) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDllPathKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}

void ClearWabLibrary() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDllPathKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(key, nullptr);
    ::RegCloseKey(key);
}

Report ReadReport(const std::string& path) {
    Report report;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            report[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return report;
}

struct Confirmation {
    std::string heading;
    std::string selected;
    std::string excluded;
    std::string valid;
    std::string excludedLabel;
    std::string note;
    Strings lines;
};

Confirmation ReadConfirmation(HWND dialog) {
    return {ItemText(dialog, IDC_CONFIRM_HEADING), ItemText(dialog, IDC_SELECTED_COUNT),
            ItemText(dialog, IDC_EXCLUDED_COUNT),  ItemText(dialog, IDC_VALID_COUNT),
            ItemText(dialog, IDC_EXCLUDED_LABEL),  ItemText(dialog, IDC_LIMIT_NOTE),
            ListBoxItems(dialog, IDC_CONFIRM_LIST)};
}

std::string Heading(int count) {
    char text[64];
    std::snprintf(text, sizeof text, texts::kConfirmHeading, count);
    return text;
}

std::string ExpectedFile(const Strings& recipients) {
    SessionLists lists;
    for (const std::string& recipient : recipients)
        lists.recipients.Append(recipient);
    lists.count = static_cast<int32_t>(recipients.size());
    ExchangeFileBuffer file;
    AppendRecipientRecords(lists, file);
    return file.Bytes();
}

// Every object the provider handed out was released, every buffer freed by its own allocator,
// and the library was unloaded by the importer.
void ExpectAllReleased(const Report& report) {
    ASSERT_FALSE(report.empty()) << "no report";
    EXPECT_EQ(report.at("unloaded"), "library");
    EXPECT_EQ(report.at("objects_live"), "0");
    EXPECT_EQ(report.at("buffers_live"), "0");
    EXPECT_EQ(report.at("foreign_frees"), "0");
}

class AddressBookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = MakeTestFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        fixturePath = folder + "\\book.wab";
        reportPath = folder + "\\report.txt";
        resultPath = folder + "\\result.bin";
        SetWabLibrary(WabProvider(), REG_SZ);
    }
    void TearDown() override {
        ClearWabLibrary();
        ::SetEnvironmentVariableA("TEST_WAB_DEFAULT_FIXTURE", nullptr);
        ::SetEnvironmentVariableA("TEST_MAPI_FIXTURE", nullptr);
        ::SetEnvironmentVariableA("TEST_PROVIDERS", nullptr);
    }

    void WriteFixture(const std::string& lines) {
        WriteFileBytes(fixturePath, "report\t" + reportPath + "\n" + lines);
    }
    Report ProviderReport() const { return ReadReport(reportPath); }

    // The MAPI provider as MAPI32.DLL in a program folder of its own.
    std::string InstallMapiBesideImporter() {
        const std::string importer = folder + "\\FaxImport.exe";
        EXPECT_TRUE(::CopyFileA(TestImporter::ImporterPath().c_str(), importer.c_str(), FALSE));
        EXPECT_TRUE(::CopyFileA(MapiProvider().c_str(), (folder + "\\MAPI32.DLL").c_str(), FALSE));
        ::SetEnvironmentVariableA("TEST_MAPI_FIXTURE", fixturePath.c_str());
        return importer;
    }

    HWND WaitForConfirmation(Importer& importer) {
        HWND dialog = importer.WaitForWindow(texts::kConfirmCaption);
        EXPECT_NE(dialog, nullptr) << "no confirmation dialog";
        return dialog;
    }

    void ChooseFixture(Importer& importer) {
        HWND fileDialog = importer.WaitForWindow(texts::kChooseWabTitle, 20s);
        ASSERT_NE(fileDialog, nullptr);
        ChooseFile(fileDialog, fixturePath);
    }

    void ExpectMessage(Importer& importer, const std::string& text, const char* caption,
                       const char* icon) {
        const auto message = AnswerMessageBox(importer);
        ASSERT_TRUE(message.has_value()) << "no message box";
        EXPECT_EQ(message->text, text);
        EXPECT_EQ(message->caption, caption);
        EXPECT_EQ(message->icon, icon);
    }
    void ExpectNoAccountsWarning(Importer& importer) {
        ExpectMessage(importer, texts::kNoAccountsImported, texts::kImportCaption, "warning");
    }

    void ExpectHandBack(Importer& importer) {
        ASSERT_TRUE(importer.WaitForExit());
        EXPECT_EQ(host.Commands(), (Commands{{kRecipientsCommand, 0}}));
        EXPECT_TRUE(host.Enabled());
    }

    std::string folder;
    std::string fixturePath;
    std::string reportPath;
    std::string resultPath;
    TestHost host;
};

// Contacts and lists for every rule of the screening; picked in this order they give 16 selected,
// 10 valid and 7 excluded entries.
const char kEveryRuleFixture[] =
    "contact\talice\tname=Alice Wang\tprimary=02 2345 6789\tbusiness=0223 456 789\t"
    "home=(03) 555 ext 1\n"
    "contact\tbob\tname=[Sales] Bob\tprimary=031-555-0000\n"
    "contact\tcarol\tname=Carol\tprimary=5\n"
    "contact\tdave\tname=Dave\tprimary=6\n"
    "contact\terin\tname=Erin\tprimary=8\n"
    "list\tteam\tname=Team\tmembers=carol,inner,team,dave\n"
    "list\tinner\tname=Inner\tmembers=erin,team\n"
    "contact\tblank\tname=Blank\tprimary=     \n"
    "contact\tlongname\tname=LongNamexxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\tprimary=7\n"
    "contact\tlongnum\tname=LongNumber\tbusiness=1111111111111111111111111111111\n"
    "contact\tbig5\tname=bbbbbbbbbbbbbbbbbbbbbbbbbbbbb\xb6\xc7\xaf\x75\thome=0912 345 678\n"
    "contact\tnofax\tname=NoFax\n"
    "contact\tclosed\tname=Closed\tprimary=1\tunopenable\n"
    "list\tempty\tname=Empty\n"
    "contact\tfrank\tname=Frank\tprimary=9\n"
    "contact\tgina\tname=Gina\tbusiness=10\n"
    "contact\thank\tname=Hank\tprimary=11\n"
    "list\tbroken\tname=Broken\tmembers=frank,gina,hank\tfails-after=2\n"
    "other\tfolder\tname=Folder\ttype=3\n"
    "pick\talice,bob,team,team,blank,longname,longnum,big5,nofax,closed,empty,broken,folder\n";

const Strings kEveryRuleRecipients = {
    "Alice Wang [0223456789]",
    "Alice Wang [(03)555EXT1]",
    "(Sales) Bob [031-555-0000]",
    "Carol [5]",
    "Erin [8]",
    "Dave [6]",
    "LongNamexxxxxxxxxxxxxxxxxxxxxx [7]",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbb [0912345678]",
    "Frank [9]",
    "Gina [10]",
};

Strings ListLines(const Strings& recipients) {
    Strings lines;
    for (const std::string& recipient : recipients) {
        const std::size_t open = recipient.rfind(" [");
        lines.push_back(recipient.substr(0, open) + "\t" +
                        recipient.substr(open + 2, recipient.size() - open - 3));
    }
    return lines;
}

TEST_F(AddressBookTest, ChosenWabFileGivesItsFaxRecipientsToTheResultFile) {
    WriteFixture(kEveryRuleFixture);
    TestImporter importer(resultPath + "||0|IMPORT_TYPE_2");
    ChooseFixture(importer);
    HWND dialog = WaitForConfirmation(importer);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(host.Enabled());
    const Confirmation confirmation = ReadConfirmation(dialog);
    EXPECT_EQ(confirmation.heading, Heading(10));
    EXPECT_EQ(confirmation.selected, "16");
    EXPECT_EQ(confirmation.excluded, "7");
    EXPECT_EQ(confirmation.valid, "10");
    EXPECT_EQ(confirmation.excludedLabel, texts::kExcludedFromSelection);
    EXPECT_EQ(confirmation.note, "");
    EXPECT_EQ(confirmation.lines, ListLines(kEveryRuleRecipients));
    Click(dialog, IDOK);
    ExpectHandBack(importer);
    EXPECT_EQ(ReadFileBytes(resultPath), ExpectedFile(kEveryRuleRecipients));

    const Report report = ProviderReport();
    ExpectAllReleased(report);
    // The first layout's size for this build (16 bytes in x86, 32 in x64) covers the file name,
    // which the library opened.
    EXPECT_EQ(report.at("wabopen_cbsize"), sizeof(void*) == 8 ? "32" : "16");
    EXPECT_EQ(report.at("wabopen_file"), fixturePath);
    EXPECT_EQ(report.at("wabopen_flags"), "0");
    // Depth first, each list once except when picked again; entries of other types unopened.
    EXPECT_EQ(report.at("opened"), "alice,bob,team,carol,inner,erin,dave,team,carol,dave,blank,"
                                   "longname,longnum,big5,nofax,closed,empty,broken,frank,gina");
    // One row per read: team 4 rows and the end, inner 2 and the end, team again, the empty
    // list's end, broken 2 rows and the failed read.
    std::string reads = "1/0";
    for (int n = 1; n < 5 + 3 + 5 + 1 + 3; ++n)
        reads += ",1/0";
    EXPECT_EQ(report.at("queryrows"), reads);
    EXPECT_EQ(report.at("setcolumns"), "0x3001001e,0xfff0102,0xffe0003");
    EXPECT_EQ(report.at("getprops_tags"), "0x3001001e,0x3a23001e,0x3a24001e,0x3a25001e");
    // The remembered lists were copied into the provider's memory: team twice, inner, empty,
    // broken.
    EXPECT_EQ(report.at("caller_allocations"), "5");
}

TEST_F(AddressBookTest, AddressDialogIsAskedForOneWellOwnedByTheHost) {
    WriteFixture("contact\ta\tname=A\tprimary=1\npick\ta\n");
    TestImporter importer(resultPath + "||0|IMPORT_TYPE_2");
    ChooseFixture(importer);
    HWND dialog = WaitForConfirmation(importer);
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDOK);
    ExpectHandBack(importer);

    const Report report = ProviderReport();
    ExpectAllReleased(report);
    EXPECT_EQ(report.at("address_calls"), "1");
    EXPECT_EQ(report.at("address_window"), Hex(host.Window()));
    EXPECT_EQ(report.at("address_flags"), "1");
    EXPECT_EQ(report.at("address_caption"), texts::kAddressDialogCaption);
    EXPECT_EQ(report.at("address_new_entry_title"), texts::kAddressNewEntryTitle);
    EXPECT_EQ(report.at("address_wells_title"), texts::kAddressWellsTitle);
    EXPECT_EQ(report.at("address_dest_fields"), "1");
    EXPECT_EQ(report.at("address_dest_focus"), "0");
    EXPECT_EQ(report.at("address_dest_title"), texts::kAddressToTitle);
    EXPECT_EQ(report.at("address_dest_comp"), "1");
    EXPECT_EQ(report.at("address_other_fields_empty"), "1");
}

TEST_F(AddressBookTest, DefaultWabFileThroughAnExpandedPathWithTheLimitNote) {
    std::string members;
    std::string contacts;
    for (int n = 0; n < 250; ++n) {
        const std::string id = "c" + std::to_string(n);
        contacts += "contact\t" + id + "\tname=C" + std::to_string(n) +
                    "\tprimary=" + std::to_string(1000 + n) + "\n";
        members += (n ? "," : "") + id;
    }
    WriteFixture(contacts + "list\tall\tmembers=" + members + "\npick\tall\n");
    ::SetEnvironmentVariableA("TEST_WAB_DEFAULT_FIXTURE", fixturePath.c_str());
    std::string providers = WabProvider();
    providers.resize(providers.rfind('\\'));
    ::SetEnvironmentVariableA("TEST_PROVIDERS", providers.c_str());
    SetWabLibrary("%TEST_PROVIDERS%\\TestWab.dll", REG_EXPAND_SZ);

    TestHost limitedHost(true);
    TestImporter importer(resultPath + "||0|IMPORT_TYPE_3");
    HWND dialog = WaitForConfirmation(importer);
    ASSERT_NE(dialog, nullptr);
    const Confirmation confirmation = ReadConfirmation(dialog);
    EXPECT_EQ(confirmation.heading, Heading(200));
    EXPECT_EQ(confirmation.selected, "250");
    EXPECT_EQ(confirmation.excluded, "0");
    EXPECT_EQ(confirmation.valid, "250");
    EXPECT_EQ(confirmation.note, texts::kLimitNote);
    EXPECT_EQ(confirmation.lines.size(), 200u);
    Click(dialog, IDOK);
    ASSERT_TRUE(importer.WaitForExit());
    EXPECT_EQ(limitedHost.Commands(), (Commands{{kRecipientsCommand, 0}}));

    const std::string bytes = ReadFileBytes(resultPath);
    EXPECT_EQ(bytes.size(), 4u + 200u * 62u);
    const Report report = ProviderReport();
    ExpectAllReleased(report);
    EXPECT_EQ(report.at("wabopen_file"), "");
}

TEST_F(AddressBookTest, WabOpenWithASuccessCodeOtherThanZeroFails) {
    WriteFixture("wabopen\t1\ncontact\ta\tname=A\tprimary=1\npick\ta\n");
    ::SetEnvironmentVariableA("TEST_WAB_DEFAULT_FIXTURE", fixturePath.c_str());
    for (const int type : {2, 3}) {
        SCOPED_TRACE("type " + std::to_string(type));
        TestHost sessionHost;
        TestImporter importer(resultPath + "||0|IMPORT_TYPE_" + std::to_string(type));
        if (type == 2)
            ChooseFixture(importer);
        char text[512];
        std::snprintf(text, sizeof text, texts::kWabOpenFailed,
                      type == 2 ? fixturePath.c_str() : texts::kDefaultWabFile);
        ExpectMessage(importer, text, texts::kWabErrorCaption, "error");
        ExpectNoAccountsWarning(importer);
        ASSERT_TRUE(importer.WaitForExit());
        EXPECT_EQ(sessionHost.Commands(), (Commands{{kRecipientsCommand, 0}}));
        EXPECT_FALSE(FileExists(resultPath));
        // Both objects that WABOpen handed over were released.
        const Report report = ProviderReport();
        ExpectAllReleased(report);
        EXPECT_EQ(report.at("objects_created"), "2");
        EXPECT_EQ(report.count("address_calls"), 0u);
    }
}

TEST_F(AddressBookTest, AddressDialogWithoutEntriesImportsNothing) {
    for (const char* outcome : {"cancel", "cancel-with-list", "empty", "none"}) {
        SCOPED_TRACE(outcome);
        TestHost sessionHost;
        WriteFixture(std::string("contact\ta\tname=A\tprimary=1\npick\ta\ndialog\t") + outcome +
                     "\n");
        TestImporter importer(resultPath + "||0|IMPORT_TYPE_2");
        ChooseFixture(importer);
        ExpectNoAccountsWarning(importer);
        ASSERT_TRUE(importer.WaitForExit());
        EXPECT_EQ(sessionHost.Commands(), (Commands{{kRecipientsCommand, 0}}));
        EXPECT_FALSE(FileExists(resultPath));
        const Report report = ProviderReport();
        ExpectAllReleased(report);
        EXPECT_EQ(report.count("opened"), 0u);
    }
}

TEST_F(AddressBookTest, PickedEntriesWithoutFaxNumbersShowTheNoFaxNumberWarning) {
    WriteFixture("contact\ta\tname=A\ncontact\tb\tname=B\tprimary=   \npick\ta,b\n");
    TestImporter importer(resultPath + "||0|IMPORT_TYPE_2");
    ChooseFixture(importer);
    ExpectMessage(importer, texts::kNoFaxNumberInAnyAccount, texts::kImportCaption, "warning");
    ExpectHandBack(importer);
    EXPECT_FALSE(FileExists(resultPath));
    ExpectAllReleased(ProviderReport());
}

TEST_F(AddressBookTest, MapiProfileGivesItsFaxRecipientsToTheResultFile) {
    WriteFixture("openaddressbook\twarning\n"
                 "contact\ta\tname=Amy\tprimary=02 1111\thome=02 2222\n"
                 "contact\tb\tname=Ben\tbusiness=03-3333\n"
                 "list\tpair\tmembers=b,a\n"
                 "pick\ta,pair\n");
    Importer importer(InstallMapiBesideImporter(), resultPath + "||0|IMPORT_TYPE_1");
    HWND dialog = WaitForConfirmation(importer);
    ASSERT_NE(dialog, nullptr);
    const Confirmation confirmation = ReadConfirmation(dialog);
    EXPECT_EQ(confirmation.selected, "3");
    EXPECT_EQ(confirmation.excluded, "1");
    EXPECT_EQ(confirmation.valid, "3");
    EXPECT_EQ(confirmation.excludedLabel, texts::kExcludedFromSelection);
    Click(dialog, IDOK);
    ExpectHandBack(importer);
    EXPECT_EQ(ReadFileBytes(resultPath),
              ExpectedFile({"Amy [021111]", "Amy [022222]", "Ben [03-3333]"}));

    const Report report = ProviderReport();
    ExpectAllReleased(report);
    EXPECT_EQ(report.at("initialize_argument"), "none");
    EXPECT_EQ(report.at("logon_window"), Hex(host.Window()));
    EXPECT_EQ(report.at("logon_flags"), "0x8021");
    EXPECT_EQ(report.at("logon_profile"), "none");
    EXPECT_EQ(report.at("logon_password"), "none");
    EXPECT_EQ(report.at("openaddressbook_window"), Hex(host.Window()));
    EXPECT_EQ(report.at("openaddressbook_flags"), "0");
    EXPECT_EQ(report.at("openaddressbook_iid"), "none");
    EXPECT_EQ(report.at("logoff_calls"), "1");
    EXPECT_EQ(report.at("logoff_window"), Hex(host.Window()));
    EXPECT_EQ(report.at("logoff_flags"), "2");
    EXPECT_EQ(report.at("uninitialize_calls"), "1");
    // The remembered list went through MAPIAllocateBuffer and back through MAPIFreeBuffer.
    EXPECT_EQ(report.at("caller_allocations"), "1");
}

TEST_F(AddressBookTest, RefusedLogonOrUnopenedAddressBookImportsNothingAndUnwinds) {
    for (const std::string line : {"logon\trefuse\n", "openaddressbook\tfail\n"}) {
        SCOPED_TRACE(line);
        TestHost sessionHost;
        WriteFixture(line + "contact\ta\tname=A\tprimary=1\npick\ta\n");
        Importer importer(InstallMapiBesideImporter(), resultPath + "||0|IMPORT_TYPE_1");
        ExpectNoAccountsWarning(importer);
        ASSERT_TRUE(importer.WaitForExit());
        EXPECT_EQ(sessionHost.Commands(), (Commands{{kRecipientsCommand, 0}}));
        const Report report = ProviderReport();
        ExpectAllReleased(report);
        EXPECT_EQ(report.at("uninitialize_calls"), "1");
        EXPECT_EQ(report.count("address_calls"), 0u);
        // A session is logged off only when there was one.
        EXPECT_EQ(report.count("logoff_calls"), line.starts_with("logon") ? 0u : 1u);
    }
}

TEST_F(AddressBookTest, ChooserOffersBothAddressBooksAndRunsTheDefaultWabFile) {
    WriteFixture("contact\ta\tname=A\tprimary=1\npick\ta\n");
    ::SetEnvironmentVariableA("TEST_WAB_DEFAULT_FIXTURE", fixturePath.c_str());
    ::WriteProfileStringA("Mail", "MAPIX", "1");
    TestImporter importer(resultPath + "||0");
    HWND chooser = importer.WaitForWindow(texts::kImportCaption);
    ::WriteProfileStringA("Mail", "MAPIX", "0");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(
        ComboBoxItems(chooser, IDC_IMPORT_TYPE_LIST),
        (Strings{texts::kMapiEntry, texts::kWabEntry, texts::kCsvEntry, texts::kSpeedDialEntry}));
    // The address-book entry with its default-file box checked is import type 3.
    SelectComboItem(chooser, IDC_IMPORT_TYPE_LIST, 1);
    EXPECT_TRUE(ItemChecked(chooser, IDC_DEFAULT_WAB));
    Click(chooser, IDOK);
    HWND dialog = WaitForConfirmation(importer);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ReadConfirmation(dialog).lines, (Strings{"A\t1"}));
    Click(dialog, IDOK);
    ExpectHandBack(importer);
    EXPECT_EQ(ReadFileBytes(resultPath), ExpectedFile({"A [1]"}));
    ExpectAllReleased(ProviderReport());
}

TEST_F(AddressBookTest, LibrariesComeFromTheProgramFolderNeverFromTheCurrentOrTheChosenFolder) {
    // Without a registry value both libraries are loaded by file name. Copies that record their
    // loading lie in the folder the importer starts in and beside the chosen file.
    ClearWabLibrary();
    const std::string startFolder = folder + "\\start";
    const std::string fileFolder = folder + "\\files";
    std::vector<std::string> planted;
    for (const std::string& place : {startFolder, fileFolder}) {
        ::CreateDirectoryA(place.c_str(), nullptr);
        for (const char* name : {"\\WAB32.DLL", "\\MAPI32.DLL"}) {
            planted.push_back(place + name);
            ASSERT_TRUE(::CopyFileA(PlantedLibrary().c_str(), planted.back().c_str(), FALSE));
            ::DeleteFileA((planted.back() + ".loaded").c_str());
        }
    }
    fixturePath = fileFolder + "\\book.wab";
    WriteFixture("contact\ta\tname=A\tprimary=1\npick\ta\n");
    {
        SCOPED_TRACE("no address-book library beside the importer");
        TestImporter importer(resultPath + "||0|IMPORT_TYPE_2", startFolder);
        ChooseFixture(importer);
        ExpectMessage(importer, WithPath(texts::kWabOpenFailed, fixturePath),
                      texts::kWabErrorCaption, "error");
        ExpectNoAccountsWarning(importer);
        ExpectHandBack(importer);
    }
    {
        SCOPED_TRACE("no messaging library beside the importer");
        TestHost sessionHost;
        TestImporter importer(resultPath + "||0|IMPORT_TYPE_1", startFolder);
        ExpectMessage(importer, texts::kMapiMissing, texts::kMapiErrorCaption, "error");
        ExpectNoAccountsWarning(importer);
        ASSERT_TRUE(importer.WaitForExit());
    }
    {
        SCOPED_TRACE("the address-book library beside the importer");
        const std::string programFolder = folder + "\\program";
        ::CreateDirectoryA(programFolder.c_str(), nullptr);
        const std::string program = programFolder + "\\FaxImport.exe";
        ASSERT_TRUE(::CopyFileA(TestImporter::ImporterPath().c_str(), program.c_str(), FALSE));
        ASSERT_TRUE(
            ::CopyFileA(WabProvider().c_str(), (programFolder + "\\WAB32.DLL").c_str(), FALSE));
        TestHost sessionHost;
        Importer importer(program, resultPath + "||0|IMPORT_TYPE_2", startFolder);
        ChooseFixture(importer);
        HWND dialog = WaitForConfirmation(importer);
        ASSERT_NE(dialog, nullptr);
        Click(dialog, IDOK);
        ASSERT_TRUE(importer.WaitForExit());
        EXPECT_EQ(ReadFileBytes(resultPath), ExpectedFile({"A [1]"}));
        ExpectAllReleased(ProviderReport());
    }
    for (const std::string& library : planted)
        EXPECT_FALSE(FileExists(library + ".loaded")) << library << " was loaded";
}

TEST_F(AddressBookTest, MissingMapiLibraryIsReported) {
    // Run from the build folder, where no MAPI32.DLL is beside the importer and Wine's own is
    // overridden away.
    TestImporter importer(resultPath + "||0|IMPORT_TYPE_1");
    ExpectMessage(importer, texts::kMapiMissing, texts::kMapiErrorCaption, "error");
    EXPECT_FALSE(host.Enabled());
    ExpectNoAccountsWarning(importer);
    ExpectHandBack(importer);
}

TEST_F(AddressBookTest, WabLibraryOfTheOtherBitnessIsToldInsteadOfTheOpenFailure) {
    const std::string library = OtherBitnessWabProvider();
    SetWabLibrary(library, REG_SZ);
    TestImporter importer(resultPath + "||0|IMPORT_TYPE_3");
    const auto message = AnswerMessageBox(importer);
    ASSERT_TRUE(message.has_value()) << "no message box";
    EXPECT_EQ(message->text, BitnessMismatchMessage(library, kOtherBits));
    EXPECT_EQ(message->caption, texts::kWabErrorCaption);
    EXPECT_EQ(message->icon, "error");
    EXPECT_EQ(message->owner, host.Window());
    ExpectNoAccountsWarning(importer);
    ExpectHandBack(importer);
    EXPECT_FALSE(FileExists(resultPath));
}

// A registry value as an office suite of the other bitness records it: in the view of its own.
class OtherBitnessRecord {
  public:
    OtherBitnessRecord(const char* key, const char* name) : name_(name) {
        const REGSAM view = kProgramBits == 64 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
        const char value[] = {'x', kProgramBits == 64 ? '8' : '6', kProgramBits == 64 ? '6' : '4',
                              '\0'};
        EXPECT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS | view,
                                    nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    }
    ~OtherBitnessRecord() {
        ::RegDeleteValueA(key_, name_);
        ::RegCloseKey(key_);
    }
    OtherBitnessRecord(const OtherBitnessRecord&) = delete;
    OtherBitnessRecord& operator=(const OtherBitnessRecord&) = delete;

  private:
    const char* name_;
    HKEY key_ = nullptr;
};

TEST_F(AddressBookTest, MailProgramOfTheOtherBitnessIsToldWhenMapiDoesNotStart) {
    struct Case {
        const char* key;
        const char* name;
        const char* fixture;
        bool told;
    };
    const Case cases[] = {
        {"Software\\Microsoft\\Office\\16.0\\Outlook", "Bitness", "openaddressbook\tfail\n", true},
        {"Software\\Microsoft\\Office\\ClickToRun\\Configuration", "Platform",
         "openaddressbook\tfail\n", true},
        // A cancelled profile choice met a mail program of this build's bitness.
        {"Software\\Microsoft\\Office\\16.0\\Outlook", "Bitness", "logon\trefuse\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.fixture);
        TestHost sessionHost;
        const OtherBitnessRecord record(c.key, c.name);
        WriteFixture(c.fixture);
        Importer importer(InstallMapiBesideImporter(), resultPath + "||0|IMPORT_TYPE_1");
        if (c.told) {
            const auto message = AnswerMessageBox(importer);
            ASSERT_TRUE(message.has_value()) << "no message box";
            EXPECT_EQ(message->text, BitnessMismatchMessage("MAPI32.DLL", kOtherBits));
            EXPECT_EQ(message->caption, texts::kMapiErrorCaption);
            EXPECT_EQ(message->icon, "error");
            EXPECT_EQ(message->owner, sessionHost.Window());
        }
        ExpectNoAccountsWarning(importer);
        ASSERT_TRUE(importer.WaitForExit());
        EXPECT_EQ(sessionHost.Commands(), (Commands{{kRecipientsCommand, 0}}));
        ExpectAllReleased(ProviderReport());
    }
}

} // namespace
} // namespace e2e
