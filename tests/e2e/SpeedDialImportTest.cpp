// Speed-dial imports (type 6) from the command line through the file dialog, the picker, the
// detail dialog, the confirmation and the memo question to the result file and the host's command.
#include "ExchangeDump.h"
#include "FileImportRun.h"
#include "ResourceIds.h"
#include "speeddial/SpeedDialRecord.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string_view>

namespace e2e {
namespace {

constexpr WPARAM kSpeedDialCommand = 1028;
using Texts = std::vector<std::string>;

const std::string kExamples = SPEEDDIAL_EXAMPLES_DIR;
// Result files as an earlier build wrote them; both bitnesses must write the same bytes.
const std::string kRecorded = RECORDED_RESULTS_DIR;

// The code page 950 bytes of a UTF-8 text, as the importer shows and writes them.
std::string Big5(std::string_view utf8) {
    const int wideLength =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          wideLength);
    const int length =
        ::WideCharToMultiByte(950, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string big5(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(950, 0, wide.data(), wideLength, big5.data(), length, nullptr, nullptr);
    return big5;
}

// The source list of the sample files of versions 1 to 5: the speed-dial numbers, sorted as
// texts; and the picked list's text of each of those entries.
const Texts kSampleNumbers = {"1", "10", "11", "12", "2"};
const Texts& SamplePickedTexts() {
    static const Texts texts = {
        "1\t" + Big5("陳家豪") + " [02-2345-0001]",
        "10\t" + Big5("李美玲") + " [+886-7-345-0005]",
        "11\t" + Big5("張偉 (業務部)") + " [063450006EXT.12]",
        "12\t" + Big5("ABC星河國際貿易股份有限公司台") + " [(02)2345-0004]",
        "2\t" + Big5("林雅婷") + " [(03)456-0002]",
    };
    return texts;
}
enum SamplePosition { kChen = 0, kLee = 1, kChang = 2, kCompany = 3, kLin = 4 };

// A record as the importer writes it: the template with the members a test sets.
class Expected {
  public:
    Expected() : record_(recordTemplate) {}
    Expected& Name(std::string_view text) { return Copy(record_.name, text); }
    Expected& Fax(std::string_view text) { return Copy(record_.faxNumber, text); }
    Expected& Mode(int32_t mode) { return Set(record_.commMode, mode); }
    Expected& Type(char type) { return Set(record_.transmitType, type); }
    Expected& Box(std::string_view text) { return Copy(record_.confidentialBox, text); }
    Expected& Password(std::string_view text) { return Copy(record_.confidentialPassword, text); }
    Expected& Station(std::string_view text) { return Copy(record_.relayStation, text); }
    Expected& Option(char option) { return Set(record_.relayOption, option); }
    Expected& Targets(std::initializer_list<std::string_view> codes) {
        int32_t count = 0;
        for (std::string_view code : codes)
            std::memcpy(record_.relayTargets[count++], code.data(), kRelayTargetCodeSize);
        return Set(record_.relayTargetCount, count);
    }
    Expected& Number(int32_t number) { return Set(record_.speedDialNumber, number); }
    Expected& Subaddress(std::string_view text) { return Copy(record_.fcodeSubaddress, text); }
    Expected& FPassword(std::string_view text) { return Copy(record_.fcodePassword, text); }
    std::string Bytes() const {
        return std::string(reinterpret_cast<const char*>(&record_), sizeof record_);
    }

  private:
    template <std::size_t N> Expected& Copy(char (&member)[N], std::string_view text) {
        CopyToMember(member, text);
        return *this;
    }
    template <typename T> Expected& Set(T& member, T value) {
        member = value;
        return *this;
    }
    SpeedDialRecord record_;
};

// The sample entries as written, with the speed-dial number kept or not.
Expected Chen(bool kept) {
    return Expected()
        .Name(Big5("陳家豪"))
        .Fax("02-2345-0001")
        .Mode(1)
        .Type('4')
        .Box("123")
        .Password("4567")
        .Number(kept ? 1 : 0);
}
Expected Lin(bool kept) {
    return Expected()
        .Name(Big5("林雅婷"))
        .Fax("(03)456-0002")
        .Mode(2)
        .Type('1')
        .Station("12")
        .Option('1')
        .Targets({"005", "0#1"})
        .Subaddress("12345")
        .FPassword("9876")
        .Number(kept ? 2 : 0);
}
Expected Lee(bool kept) {
    // Marked relay and confidential in the file: settled as ordinary when written.
    return Expected()
        .Name(Big5("李美玲"))
        .Fax("+886-7-345-0005")
        .Type('0')
        .Box("7")
        .Station("3")
        .Targets({"001", "002"})
        .Number(kept ? 10 : 0);
}

std::string Count(int32_t count) {
    return std::string(reinterpret_cast<const char*>(&count), 4);
}

// Names the members of the first record that differs, so a failure says more than "bytes".
void ExpectResult(const std::string& actual, int32_t count,
                  std::initializer_list<Expected> records) {
    std::string expected = Count(count);
    for (const Expected& record : records)
        expected += record.Bytes();
    ASSERT_EQ(actual.size(), expected.size());
    EXPECT_EQ(actual.substr(0, 4), expected.substr(0, 4)) << "count";
    for (std::size_t at = 4; at < actual.size(); ++at)
        if (actual[at] != expected[at]) {
            ADD_FAILURE() << "record " << (at - 4) / sizeof(SpeedDialRecord)
                          << " differs at offset " << (at - 4) % sizeof(SpeedDialRecord);
            break;
        }
}

class SpeedDialImportTest : public ::testing::Test, protected FileImportRun {
  protected:
    explicit SpeedDialImportTest(bool hostHasLimit = false)
        : FileImportRun("speeddial.csv", kSpeedDialCommand, hostHasLimit) {}

    // Starts an import of these bytes and chooses the file in the file dialog.
    void StartWith(const std::string& bytes, int option = 0) {
        FileImportRun::StartWith(bytes, Arguments(6, option), texts::kChooseSpeedDialTitle);
    }
    void StartSample(const std::string& name, int option = 0) {
        const std::string bytes = ReadFileBytes(kExamples + "/" + name);
        ASSERT_FALSE(bytes.empty()) << name;
        StartWith(bytes, option);
    }
    HWND WaitForPicker() {
        HWND picker = importer->WaitForWindow(std::string(texts::kSpeedDialImportCaption) + " - " +
                                              sourcePath);
        EXPECT_NE(picker, nullptr) << "no picker";
        if (picker) {
            EXPECT_NE(::GetDlgItem(picker, IDC_VIEW_DETAILS), nullptr);
        }
        return picker;
    }
    void Select(HWND picker, std::initializer_list<int> entries) {
        SelectListItems(picker, IDC_SOURCE_LIST, entries);
    }
    void SelectAndAdd(HWND picker, std::initializer_list<int> entries) {
        Select(picker, entries);
        Add(picker);
    }
    void Confirm(HWND picker) {
        Click(picker, IDOK);
        HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
        ASSERT_NE(confirm, nullptr);
        Click(confirm, IDOK);
    }
    void AnswerMemoQuestion(int button) {
        ExpectMessage(texts::kMemoQuestion, texts::kSpeedDialImportCaption, "question", button);
    }
    void ExpectPickerWarning(const char* text) {
        ExpectMessage(text, texts::kSpeedDialImportCaption, "warning");
    }
};

class LimitedSpeedDialImportTest : public SpeedDialImportTest {
  protected:
    LimitedSpeedDialImportTest() : SpeedDialImportTest(true) {}
};

TEST_F(SpeedDialImportTest, Version5KeepsTheNumbersAsMemoOnYes) {
    StartSample("speeddial-v5.csv");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(ListBoxItems(picker, IDC_SOURCE_LIST), kSampleNumbers);
    EXPECT_TRUE(ListBoxItems(picker, IDC_PICKED_LIST).empty());
    // Picked in another order than the list's: the records follow the picks.
    SelectAndAdd(picker, {kLin});
    SelectAndAdd(picker, {kLee});
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST),
              (Texts{SamplePickedTexts()[kLin], SamplePickedTexts()[kLee]}));
    Click(picker, IDOK);

    HWND confirm = importer->WaitForWindow(texts::kConfirmCaption);
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(ItemText(confirm, IDC_SELECTED_COUNT), "2");
    EXPECT_EQ(ItemText(confirm, IDC_EXCLUDED_COUNT), "3"); // mail, no number, check mismatch
    EXPECT_EQ(ItemText(confirm, IDC_VALID_COUNT), "2");
    EXPECT_EQ(ListBoxItems(confirm, IDC_CONFIRM_LIST),
              (Texts{Big5("林雅婷") + "\t(03)456-0002", Big5("李美玲") + "\t+886-7-345-0005"}));
    Click(confirm, IDOK);

    AnswerMemoQuestion(IDYES);
    ExpectHandBack();
    ExpectResult(ReadFileBytes(resultPath), 2, {Lin(true), Lee(true)});
    EXPECT_EQ(ReadFileBytes(resultPath), ReadFileBytes(kRecorded + "/speeddial-v5-lin-lee.bin"));

    // exchange-dump reads the file back: the kind from its size, every member decoded.
    ExpectDump(resultPath, "speed-dial",
               "2 speed-dial records\n"
               "\n#1\n"
               "  name: 林雅婷\n"
               "  faxNumber: (03)456-0002\n"
               "  commMode: 2\n"
               "  transmitType: 1\n"
               "  confidentialBox: \n"
               "  confidentialPassword: \n"
               "  relayStation: 12\n"
               "  relayOption: 1\n"
               "  relayTargetCount: 2\n"
               "  relayTargets: 005/0#1\n"
               "  speedDialNumber: 2\n"
               "  fcodeSubaddress: 12345\n"
               "  fcodePassword: 9876\n"
               "\n#2\n"
               "  name: 李美玲\n"
               "  faxNumber: +886-7-345-0005\n"
               "  commMode: 0\n"
               "  transmitType: 0\n"
               "  confidentialBox: 7\n"
               "  confidentialPassword: \n"
               "  relayStation: 3\n"
               "  relayOption: 0\n"
               "  relayTargetCount: 2\n"
               "  relayTargets: 001/002\n"
               "  speedDialNumber: 10\n"
               "  fcodeSubaddress: \n"
               "  fcodePassword: \n",
               {{{"name", "林雅婷"},
                 {"faxNumber", "(03)456-0002"},
                 {"commMode", "2"},
                 {"transmitType", "1"},
                 {"confidentialBox", ""},
                 {"confidentialPassword", ""},
                 {"relayStation", "12"},
                 {"relayOption", "1"},
                 {"relayTargetCount", "2"},
                 {"relayTargets", "005/0#1"},
                 {"speedDialNumber", "2"},
                 {"fcodeSubaddress", "12345"},
                 {"fcodePassword", "9876"}},
                {{"name", "李美玲"},
                 {"faxNumber", "+886-7-345-0005"},
                 {"commMode", "0"},
                 {"transmitType", "0"},
                 {"confidentialBox", "7"},
                 {"confidentialPassword", ""},
                 {"relayStation", "3"},
                 {"relayOption", "0"},
                 {"relayTargetCount", "2"},
                 {"relayTargets", "001/002"},
                 {"speedDialNumber", "10"},
                 {"fcodeSubaddress", ""},
                 {"fcodePassword", ""}}});
    ExpectOtherKindRefused(resultPath, "recipients");
}

TEST_F(SpeedDialImportTest, Version5WritesNoNumbersOnNo) {
    StartSample("speeddial-v5.csv");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    SelectAndAdd(picker, {kChen, kLin});
    Confirm(picker);
    AnswerMemoQuestion(IDNO);
    ExpectHandBack();
    ExpectResult(ReadFileBytes(resultPath), 2, {Chen(false), Lin(false)});
}

TEST_F(SpeedDialImportTest, Version1IsNotAskedAndHasNoNumbers) {
    StartSample("speeddial-v1.csv");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(ListBoxItems(picker, IDC_SOURCE_LIST), kSampleNumbers);
    SelectAndAdd(picker, {kLin, kChen});
    Confirm(picker);
    // No memo question: the importer ends by itself.
    ExpectHandBack();
    ExpectResult(ReadFileBytes(resultPath), 2, {Chen(false), Lin(false)});
}

TEST_F(LimitedSpeedDialImportTest, HostWithTheLimitChildIsNotAsked) {
    StartSample("speeddial-v5.csv");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    SelectAndAdd(picker, {kLee});
    Confirm(picker);
    ExpectHandBack();
    ExpectResult(ReadFileBytes(resultPath), 1, {Lee(false)});
}

TEST_F(SpeedDialImportTest, Version6NamesAreConvertedFromUtf8) {
    StartSample("speeddial-v6.csv");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(ListBoxItems(picker, IDC_SOURCE_LIST), kSampleNumbers);
    SelectAndAdd(picker, {kChen});
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST),
              (Texts{"1\t" + Big5("陳家豪, 業務部") + " [02-2345-0001]"}));
    Confirm(picker);
    AnswerMemoQuestion(IDYES);
    ExpectHandBack();
    ExpectResult(ReadFileBytes(resultPath), 1, {Chen(true).Name(Big5("陳家豪, 業務部"))});
}

struct FailureCase {
    const char* name;
    std::string bytes;
    const char* format;
};

class SpeedDialFailureTest : public SpeedDialImportTest,
                             public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SpeedDialFailureTest, ShowsItsMessageThenNoAccounts) {
    StartWith(GetParam().bytes);
    std::string expected = GetParam().format;
    expected.replace(expected.find("%s"), 2, sourcePath);
    ExpectMessage(expected, texts::kCsvErrorCaption, "error");
    ExpectMessage(texts::kNoAccountsImported, texts::kImportCaption, "warning");
    ExpectHandBack();
    EXPECT_FALSE(FileExists(resultPath));
}

const std::string kTitles = "NO,TYPE,NAME,MFFAX,MFSUB,MFMODE\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, SpeedDialFailureTest,
    ::testing::Values(
        FailureCase{"unknownHeader", "Name,Fax\r\nAnn,0211\r\n", texts::kEwsFormatInvalid},
        FailureCase{"versionFour", "*,1,4,0\r\n" + kTitles + "1,FAX,Ann,0211\r\n*\r\n",
                    texts::kEwsFormatInvalid},
        FailureCase{"empty", "", texts::kCannotAccessFile},
        FailureCase{"noFaxEntries", "*,1,1,1\r\n" + kTitles + "1,MAIL,Ann,ann@example.com\r\n*\r\n",
                    texts::kNoFaxNumberInFile},
        FailureCase{"noFaxColumn", "*,1,1,1\r\nNO,TYPE,NAME\r\n1,FAX,Ann\r\n*\r\n",
                    texts::kNoFaxNumberInFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpeedDialImportTest, NumbersAreSortedAsTextAndTypedNumbersSelect) {
    std::string bytes = "*,1,1,1\r\n" + kTitles;
    for (const char* number : {"2", "10", "1"})
        bytes +=
            std::string(number) + ",FAX,N" + number + ",0" + number + std::string(30, ',') + "\r\n";
    StartWith(bytes + "*\r\n");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(ListBoxItems(picker, IDC_SOURCE_LIST), (Texts{"1", "10", "2"}));
    ::SendDlgItemMessageA(picker, IDC_SEARCH_TEXT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2"));
    PumpMessages(200ms);
    HWND list = ::GetDlgItem(picker, IDC_SOURCE_LIST);
    EXPECT_EQ(::SendMessageA(list, LB_GETSELCOUNT, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(list, LB_GETSEL, 2, 0), TRUE);
    Add(picker);
    Confirm(picker);
    ExpectHandBack();
    ExpectResult(ReadFileBytes(resultPath), 1, {Expected().Name("N2").Fax("02")});
}

TEST_F(SpeedDialImportTest, ViewDetailsShowsOneEntry) {
    StartSample("speeddial-v2.csv");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    Select(picker, {kLin});
    Click(picker, IDC_VIEW_DETAILS);
    HWND detail = importer->WaitForWindow(Big5("短縮號碼2"));
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(ItemText(detail, IDC_DETAIL_NAME), Big5("林雅婷"));
    EXPECT_EQ(ItemText(detail, IDC_DETAIL_FAX), "(03)456-0002");
    EXPECT_EQ(ItemText(detail, IDC_DETAIL_MODE), "2");
    EXPECT_EQ(ItemText(detail, IDC_DETAIL_CONFIDENTIAL), "");
    EXPECT_EQ(ItemText(detail, IDC_DETAIL_RELAY), "P12/05/#1");
    EXPECT_EQ(ItemText(detail, IDC_DETAIL_FCODE), "12345:9876");
    Click(detail, IDOK);
    PumpMessages(200ms);
    EXPECT_FALSE(::IsWindow(detail));

    Select(picker, {kChen});
    Click(picker, IDC_VIEW_DETAILS);
    detail = importer->WaitForWindow(Big5("短縮號碼1"));
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(ItemText(detail, IDC_DETAIL_CONFIDENTIAL), "123:4567");
    EXPECT_EQ(ItemText(detail, IDC_DETAIL_MODE), "1");
    Click(detail, IDOK);
    PumpMessages(200ms);

    Click(picker, IDCANCEL);
    ExpectMessage(texts::kNoAccountsImported, texts::kImportCaption, "warning");
    ExpectHandBack();
}

TEST_F(SpeedDialImportTest, ViewDetailsWantsExactlyOneEntry) {
    StartSample("speeddial-v5.csv");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    Select(picker, {});
    Click(picker, IDC_VIEW_DETAILS);
    ExpectPickerWarning(texts::kChooseOneSpeedDialNumber);
    Select(picker, {kChen, kLin});
    Click(picker, IDC_VIEW_DETAILS);
    ExpectPickerWarning(texts::kChooseOneSpeedDialNumber);
    EXPECT_TRUE(::IsWindow(picker));
    Click(picker, IDCANCEL);
    ExpectMessage(texts::kNoAccountsImported, texts::kImportCaption, "warning");
    ExpectHandBack();
}

TEST_F(SpeedDialImportTest, SingleRecipientOptionRefusesSeveralAndRelayEntries) {
    StartSample("speeddial-v5.csv", 2);
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    SelectAndAdd(picker, {kChen, kChang});
    ExpectPickerWarning(texts::kSingleRecipientOnly);
    SelectAndAdd(picker, {kLin}); // relay
    ExpectPickerWarning(texts::kRelayEntryRefused);
    SelectAndAdd(picker, {kLee}); // relay and confidential
    ExpectPickerWarning(texts::kRelayEntryRefused);
    EXPECT_TRUE(ListBoxItems(picker, IDC_PICKED_LIST).empty());
    SelectAndAdd(picker, {kChen});
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST), (Texts{SamplePickedTexts()[kChen]}));
    // One recipient is all there may be.
    SelectAndAdd(picker, {kChang});
    ExpectPickerWarning(texts::kSingleRecipientOnly);
    Confirm(picker);
    AnswerMemoQuestion(IDYES);
    ExpectHandBack();
    ExpectResult(ReadFileBytes(resultPath), 1, {Chen(true)});
}

// Two entries with the same name and number, and a third.
std::string TwinsFile() {
    const std::string tail(30, ',');
    return "*,1,1,1\r\n" + kTitles + "5,FAX,Twin,0211,,1" + tail + "\r\n" + "6,FAX,Twin,0211,,2" +
           tail + "\r\n" + "7,FAX,Other,0299" + tail + "\r\n*\r\n";
}

TEST_F(SpeedDialImportTest, ReplacingAnEqualEntryMovesItToTheEnd) {
    StartWith(TwinsFile());
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(ListBoxItems(picker, IDC_SOURCE_LIST), (Texts{"5", "6", "7"}));
    SelectAndAdd(picker, {0, 2});
    Select(picker, {1});
    Click(picker, IDC_ADD_PICKS);
    ExpectMessage(std::string(texts::kReplaceNameLabel) + "Twin" + texts::kReplaceFaxLabel +
                      "0211" + texts::kReplaceQuestion,
                  texts::kSpeedDialImportCaption, "question", IDYES);
    PumpMessages(200ms);
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST), (Texts{"7\tOther [0299]", "6\tTwin [0211]"}));
    Confirm(picker);
    ExpectHandBack();
    ExpectResult(
        ReadFileBytes(resultPath), 2,
        {Expected().Name("Other").Fax("0299"), Expected().Name("Twin").Fax("0211").Mode(2)});
}

TEST_F(SpeedDialImportTest, RefusingTheReplacementKeepsTheFirst) {
    StartWith(TwinsFile());
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    SelectAndAdd(picker, {0, 2});
    Select(picker, {1});
    Click(picker, IDC_ADD_PICKS);
    ExpectMessage(std::string(texts::kReplaceNameLabel) + "Twin" + texts::kReplaceFaxLabel +
                      "0211" + texts::kReplaceQuestion,
                  texts::kSpeedDialImportCaption, "question", IDNO);
    PumpMessages(200ms);
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST), (Texts{"5\tTwin [0211]", "7\tOther [0299]"}));
    Confirm(picker);
    ExpectHandBack();
    ExpectResult(
        ReadFileBytes(resultPath), 2,
        {Expected().Name("Twin").Fax("0211").Mode(1), Expected().Name("Other").Fax("0299")});
}

TEST_F(SpeedDialImportTest, DeleteKeyAndButtonRemovePicks) {
    StartSample("speeddial-v3.csv");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    SelectAndAdd(picker, {kChen, kLee, kChang, kLin});
    HWND picked = ::GetDlgItem(picker, IDC_PICKED_LIST);
    ::SendMessageA(picked, LB_SETSEL, TRUE, 0);
    ::SendMessageA(picked, LB_SETSEL, TRUE, 2);
    ::SetFocus(picked);
    ::PostMessageA(picked, WM_KEYDOWN, VK_DELETE, 1);
    PumpMessages(200ms);
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST),
              (Texts{SamplePickedTexts()[kLee], SamplePickedTexts()[kLin]}));
    ::SendMessageA(picked, LB_SETSEL, TRUE, 0);
    Click(picker, IDC_DELETE_PICKS);
    PumpMessages(200ms);
    EXPECT_EQ(ListBoxItems(picker, IDC_PICKED_LIST), (Texts{SamplePickedTexts()[kLin]}));
    Confirm(picker);
    AnswerMemoQuestion(IDNO);
    ExpectHandBack();
    ExpectResult(ReadFileBytes(resultPath), 1, {Lin(false)});
}

TEST_F(SpeedDialImportTest, CancelledPickerImportsNothing) {
    StartSample("speeddial-v5.csv");
    HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    SelectAndAdd(picker, {kChen});
    Click(picker, IDCANCEL);
    ExpectMessage(texts::kNoAccountsImported, texts::kImportCaption, "warning");
    ExpectHandBack();
    EXPECT_FALSE(FileExists(resultPath));
}

} // namespace
} // namespace e2e
