// Import type 6 through the whole session: command line, file, picker, confirmation, memo
// question, result bytes and the completion command 1028.
#include "SpeedDialTestSupport.h"
#include "session/ImportSession.h"
#include "session/ScriptedDesktop.h"
#include "session/SourceFailures.h"
#include "speeddial/SpeedDialSource.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::string kExamples = IMPORTER_EXAMPLES_DIR;
constexpr char kProgram[] = "C:\\Program Files\\Fax\\importer.exe";

// Sources whose speed-dial operations are the real ones; the others import nothing.
class SpeedDialOnlySources : public ImportSources {
  public:
    ScriptedSpeedDialDialogs dialogs;
    ScriptedMemoQuestion memo;
    SpeedDialSource source{dialogs, memo};
    bool freed = false;

    bool StartMapi() override { return false; }
    void StopMapi() override {}
    WabOpening OpenWab(const std::string&) override { return WabOpening::Failed; }
    void ReleaseWab() override {}
    void PickAndImportAddresses(SessionLists&, ImportStatistics&) override {}
    int ReadCsvFile(const std::string&, SessionLists&, int32_t&, int, int) override { return 0; }
    int ImportSpeedDialFile(const std::string& path, SessionLists& lists, int32_t& excluded,
                            int optionFlags) override {
        return source.ImportSpeedDialFile(path, lists, excluded, optionFlags);
    }
    bool WriteSpeedDialRecords(SessionLists& lists, ExchangeFileBuffer& file) override {
        return source.WriteSpeedDialRecords(lists, file);
    }
    void FreeSpeedDialTable() override {
        source.FreeSpeedDialTable();
        freed = true;
    }
};

class SpeedDialSessionTest : public ::testing::Test {
  protected:
    void Run(const std::string& file) {
        desktop.chosenPath = file;
        RunImportSession("C:\\out.bin||0|IMPORT_TYPE_6", kProgram, desktop, sources);
    }

    ScriptedDesktop desktop;
    SpeedDialOnlySources sources;
};

TEST_F(SpeedDialSessionTest, PickedRecordsReachTheResultFileAndTheHostGets1028) {
    sources.dialogs.script = PickRecords({1, 0});
    sources.memo.answer = true;
    Run(kExamples + "/speeddial-v2.csv");

    EXPECT_EQ(desktop.fileChooserTypes, std::vector<int>{6});
    EXPECT_EQ(desktop.confirmedStatistics.selectedCount, 2);
    EXPECT_EQ(desktop.confirmedStatistics.excludedCount, 2);
    EXPECT_EQ(sources.memo.asked, 1);
    ASSERT_EQ(desktop.writtenBytes.size(), 4 + 2 * sizeof(SpeedDialRecord));
    EXPECT_EQ(desktop.writtenBytes.substr(0, 4), std::string("\x02\0\0\0", 4));
    SpeedDialRecord first;
    std::memcpy(&first, desktop.writtenBytes.data() + 4, sizeof first);
    EXPECT_EQ(MemberText(first.name), Big5("林雅婷"));
    EXPECT_EQ(first.speedDialNumber, 2);
    EXPECT_EQ(first.transmitType, '1');
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{kSpeedDialCommand});
    EXPECT_TRUE(sources.freed);
    EXPECT_FALSE(sources.source.State().speedDialTable.Exists());
}

TEST_F(SpeedDialSessionTest, AnUnknownHeaderShowsTheSpeedDialTextWithTheCsvCaption) {
    TemporaryFile file("*,1,4,0\r\n1,X,1,A\r\n");
    Run(file.Path());
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text, FormatText(texts::kEwsFormatInvalid, file.Path()));
    EXPECT_EQ(desktop.messages[0].caption, texts::kCsvErrorCaption);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(desktop.messages[1].text, texts::kNoAccountsImported);
    EXPECT_TRUE(desktop.writtenPath.empty());
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{kSpeedDialCommand});
}

TEST_F(SpeedDialSessionTest, AFileWithoutAnyValidLineShowsTheNoFaxNumberText) {
    TemporaryFile file("*,1,1,0\nNO,TYPE,NAME,FAX\n1,FAX,A,123\n");
    Run(file.Path());
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text, FormatText(texts::kNoFaxNumberInFile, file.Path()));
    EXPECT_EQ(desktop.messages[0].caption, texts::kCsvErrorCaption);
    EXPECT_EQ(sources.dialogs.runs, 0);
}

TEST_F(SpeedDialSessionTest, ACancelledPickerImportsNothing) {
    sources.dialogs.script = [](SpeedDialPicker&) { return false; };
    Run(kExamples + "/speeddial-v0.csv");
    EXPECT_EQ(sources.dialogs.runs, 1);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, texts::kNoAccountsImported);
    EXPECT_TRUE(desktop.writtenPath.empty());
    EXPECT_EQ(sources.memo.asked, 0);
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{kSpeedDialCommand});
}

TEST_F(SpeedDialSessionTest, AHostWithTheLimitChildIsNotAskedTheMemoQuestion) {
    desktop.limitChild = true;
    sources.memo.limitChild = true;
    sources.dialogs.script = PickEveryEntry();
    Run(kExamples + "/speeddial-v6.csv");
    EXPECT_EQ(sources.memo.asked, 0);
    ASSERT_EQ(desktop.writtenBytes.size(), 4 + 5 * sizeof(SpeedDialRecord));
    for (std::size_t i = 0; i < 5; ++i) {
        SpeedDialRecord record;
        std::memcpy(&record, desktop.writtenBytes.data() + 4 + i * sizeof record, sizeof record);
        EXPECT_EQ(record.speedDialNumber, 0);
    }
}

} // namespace
