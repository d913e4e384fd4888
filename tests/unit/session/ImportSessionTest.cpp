#include "session/ImportSession.h"
#include "ScriptedDesktop.h"
#include "session/SourceFailures.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

namespace {

constexpr char kProgram[] = "C:\\Program Files\\Fax\\importer.exe";

class ImportSessionTest : public ::testing::Test {
  protected:
    void Run(const std::string& arguments) {
        RunImportSession(arguments, kProgram, desktop, sources);
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : desktop.messages)
            texts.push_back(message.text);
        return texts;
    }

    ScriptedDesktop desktop;
    ScriptedSources sources;
};

using Texts = std::vector<std::string>;

TEST_F(ImportSessionTest, CsvImportWritesRecordsAndPostsRecipientsCommand) {
    sources.fileSource = Picks({"Alice [123]", "Bob [456]", "Carol [789]"}, 2);
    Run("C:\\out.bin||0|IMPORT_TYPE_5");

    EXPECT_EQ(desktop.fileChooserTypes, std::vector<int>{5});
    EXPECT_EQ(sources.csvImportType, 5);
    EXPECT_EQ(sources.sourceOptionFlags, 0);
    EXPECT_EQ(sources.sourcePath, desktop.chosenPath);
    EXPECT_EQ(desktop.confirmedStatistics.selectedCount, 3);
    EXPECT_EQ(desktop.confirmedStatistics.validCount, 3);
    EXPECT_EQ(desktop.confirmedStatistics.excludedCount, 2);
    EXPECT_EQ(desktop.writtenPath, "C:\\out.bin");
    ASSERT_EQ(desktop.writtenBytes.size(), 4u + 3 * 62);
    EXPECT_EQ(desktop.writtenBytes.substr(0, 4), std::string("\x03\0\0\0", 4));
    EXPECT_EQ(desktop.writtenBytes.substr(4 + 62, 4), std::string("Bob\0", 4));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{kRecipientsCommand});
    EXPECT_TRUE(desktop.hostEnabled);
    EXPECT_EQ(desktop.calls.front(), "disable");
    EXPECT_EQ(desktop.calls.back(), "foreground");
}

TEST_F(ImportSessionTest, SpeedDialImportWritesThroughTheSpeedDialWriterAndPosts1028) {
    sources.fileSource = Picks({"A [1]", "B [2]"});
    Run("C:\\out.bin||2|IMPORT_TYPE_6");
    EXPECT_EQ(sources.sourceOptionFlags, 2);
    ASSERT_EQ(desktop.writtenBytes.size(), 4u + 2 * 236);
    EXPECT_EQ(desktop.writtenBytes.substr(0, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{kSpeedDialCommand});
    EXPECT_EQ(sources.calls.back(), "FreeSpeedDialTable");
}

TEST_F(ImportSessionTest, HostWithLimitChildGivesLimit200) {
    desktop.limitChild = true;
    sources.fileSource = Picks({"A [1]"});
    Run("C:\\out.bin||0|IMPORT_TYPE_4");
    EXPECT_EQ(desktop.confirmedLimit, 200);

    ScriptedDesktop withoutChild;
    ScriptedSources source;
    source.fileSource = Picks({"A [1]"});
    RunImportSession("C:\\out.bin||0|IMPORT_TYPE_4", kProgram, withoutChild, source);
    EXPECT_EQ(withoutChild.confirmedLimit, 0);
}

TEST_F(ImportSessionTest, NoForegroundWindowDisablesAndPostsNothing) {
    desktop.foreground = nullptr;
    desktop.limitChild = true;
    sources.fileSource = Picks({"A [1]"});
    Run("C:\\out.bin||0|IMPORT_TYPE_4");
    EXPECT_EQ(desktop.confirmedLimit, 0);
    EXPECT_TRUE(desktop.calls == Texts{"confirm"});
    EXPECT_TRUE(desktop.postedCommands.empty());
    EXPECT_FALSE(desktop.writtenBytes.empty());
}

TEST_F(ImportSessionTest, CancelledChooserAndUnknownTypeHandBackSilently) {
    desktop.chooserResult = 0;
    Run("C:\\out.bin");
    EXPECT_EQ(desktop.chooserOptionFlags, 0);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{kRecipientsCommand});

    for (const char* arguments :
         {"C:\\out.bin||0|IMPORT_TYPE_9", "C:\\out.bin||0|IMPORT_TYPE_-1"}) {
        ScriptedDesktop other;
        other.chooserResult = 4;
        ScriptedSources source;
        RunImportSession(arguments, kProgram, other, source);
        EXPECT_EQ(other.chooserOptionFlags, -1) << "chooser shown for " << arguments;
        EXPECT_TRUE(other.messages.empty());
        EXPECT_TRUE(other.fileChooserTypes.empty());
        EXPECT_EQ(other.postedCommands, std::vector<int>{kRecipientsCommand});
    }
}

TEST_F(ImportSessionTest, ChooserFailingToShowEndsWithoutMessage) {
    desktop.chooserResult = -1;
    Run("C:\\out.bin|help.chm|2");
    EXPECT_EQ(desktop.chooserOptionFlags, 2);
    EXPECT_EQ(desktop.helpFilePath, "C:\\Program Files\\Fax\\help.chm");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{kRecipientsCommand});
}

TEST_F(ImportSessionTest, CancelledFileChooserWarnsNoAccounts) {
    desktop.fileChosen = false;
    Run("C:\\out.bin||0|IMPORT_TYPE_6");
    EXPECT_EQ(MessageTexts(), Texts{texts::kNoAccountsImported});
    EXPECT_EQ(desktop.messages[0].caption, texts::kImportCaption);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(desktop.messages[0].owner, desktop.foreground);
    EXPECT_TRUE(sources.calls == Texts{"FreeSpeedDialTable"});
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{kSpeedDialCommand});
}

TEST_F(ImportSessionTest, SourceFailureShowsItsMessageThenNoAccounts) {
    const std::string path = "C:\\data\\book.csv";
    const struct {
        int code;
        std::string text;
    } cases[] = {
        {-7, FormatText(texts::kEwsFormatInvalid, path)},
        {-6, FormatText(texts::kCsvFormatInvalid, path)},
        {-5, FormatText(texts::kNoFaxNumberInFile, path)},
        {-4, FormatText(texts::kCannotAccessFile, path)},
        {-3, FormatText(texts::kOutOfMemoryForFile, path)},
        {-2, FormatText(texts::kCannotAccessFile, path)},
        {-1, FormatText(texts::kCannotAccessFile, path)},
    };
    for (const auto& c : cases) {
        ScriptedDesktop desk;
        ScriptedSources source;
        source.fileSource = [&](SessionLists&, int32_t&) { return c.code; };
        RunImportSession("C:\\out.bin||0|IMPORT_TYPE_4", kProgram, desk, source);
        ASSERT_EQ(desk.messages.size(), 2u) << c.code;
        EXPECT_EQ(desk.messages[0].text, c.text) << c.code;
        EXPECT_EQ(desk.messages[0].caption, texts::kCsvErrorCaption);
        EXPECT_EQ(desk.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(desk.messages[1].text, texts::kNoAccountsImported);
        EXPECT_TRUE(desk.writtenPath.empty());
    }
}

TEST_F(ImportSessionTest, PickedButNoCountWarnsNoFaxNumber) {
    sources.addressSource = [](SessionLists&, ImportStatistics& statistics) {
        statistics.selectedCount = 4;
        statistics.excludedCount = 4;
    };
    Run("C:\\out.bin||0|IMPORT_TYPE_1");
    EXPECT_EQ(MessageTexts(), Texts{texts::kNoFaxNumberInAnyAccount});
    EXPECT_TRUE(sources.calls ==
                (Texts{"StartMapi", "PickAndImportAddresses", "StopMapi", "FreeSpeedDialTable"}));
}

TEST_F(ImportSessionTest, MapiThatDoesNotStartIsStillStopped) {
    sources.mapiStarts = false;
    Run("C:\\out.bin||0|IMPORT_TYPE_1");
    EXPECT_TRUE(sources.calls == (Texts{"StartMapi", "StopMapi", "FreeSpeedDialTable"}));
    EXPECT_EQ(MessageTexts(), Texts{texts::kNoAccountsImported});
}

TEST_F(ImportSessionTest, WabThatDoesNotOpenNamesTheFileOrTheDefault) {
    sources.wabOpens = false;
    desktop.chosenPath = "C:\\books\\mine.wab";
    Run("C:\\out.bin||0|IMPORT_TYPE_2");
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_NE(desktop.messages[0].text.find("C:\\books\\mine.wab"), std::string::npos);
    EXPECT_EQ(desktop.messages[0].caption, texts::kWabErrorCaption);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(sources.calls == (Texts{"OpenWab", "ReleaseWab", "FreeSpeedDialTable"}));

    ScriptedDesktop desk;
    ScriptedSources source;
    source.wabOpens = false;
    RunImportSession("C:\\out.bin||0|IMPORT_TYPE_3", kProgram, desk, source);
    EXPECT_TRUE(desk.fileChooserTypes.empty());
    EXPECT_EQ(source.sourcePath, "");
    EXPECT_EQ(desk.messages[0].text, std::string("\xb5L\xaak\xb6}\xb1\xd2Windows\xb3q\xb0T\xbf\xfd"
                                                 "\xa1"
                                                 "C\n\xb5L\xaak\xb1q") +
                                         texts::kDefaultWabFile +
                                         "\xb6\xd7\xa4J\xb8\xea\xae\xc6\xa1"
                                         "C");
}

TEST_F(ImportSessionTest, WabFailureTheSourceShowedGetsNoSecondMessage) {
    sources.wabOpens = false;
    sources.wabFailureShown = true;
    Run("C:\\out.bin||0|IMPORT_TYPE_3");
    EXPECT_EQ(MessageTexts(), Texts{texts::kNoAccountsImported});
    EXPECT_TRUE(sources.calls == (Texts{"OpenWab", "ReleaseWab", "FreeSpeedDialTable"}));
}

TEST_F(ImportSessionTest, CancelledWabFileChooserReleasesNothing) {
    desktop.fileChosen = false;
    Run("C:\\out.bin||0|IMPORT_TYPE_2");
    EXPECT_TRUE(sources.calls == Texts{"FreeSpeedDialTable"});
    EXPECT_EQ(MessageTexts(), Texts{texts::kNoAccountsImported});
}

TEST_F(ImportSessionTest, CancelledConfirmationOrEmptyResultPathWritesNothing) {
    desktop.confirm = false;
    sources.fileSource = Picks({"A [1]"});
    Run("C:\\out.bin||0|IMPORT_TYPE_4");
    EXPECT_TRUE(desktop.writtenPath.empty());
    EXPECT_EQ(MessageTexts(), Texts{texts::kNoAccountsImported});

    ScriptedDesktop desk;
    ScriptedSources source;
    source.fileSource = Picks({"A [1]"});
    RunImportSession("||0|IMPORT_TYPE_4", kProgram, desk, source);
    EXPECT_EQ(desk.calls.size(), 4u); // disable, confirm, enable, foreground
    EXPECT_TRUE(desk.writtenPath.empty());
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, texts::kNoAccountsImported);
}

TEST_F(ImportSessionTest, FailedWriteIsReportedWithThePath) {
    desktop.writeSucceeds = false;
    sources.fileSource = Picks({"A [1]"});
    Run("Z:\\missing\\out.bin||0|IMPORT_TYPE_4");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, std::string("\xb5L\xaak\xbcg\xa4JZ:\\missing\\out.bin\xa1"
                                                    "C\n"
                                                    "\xa5\xbc\xb6\xd7\xa4J\xa5\xf4\xa6\xf3\xb1"
                                                    "b\xa4\xe1\xa1"
                                                    "C"));
    EXPECT_EQ(desktop.messages[0].caption, texts::kImportCaption);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{kRecipientsCommand});
}

TEST_F(ImportSessionTest, SpeedDialRecordsThatCannotBeBuiltAreNotWritten) {
    sources.speedDialWriteSucceeds = false;
    sources.fileSource = Picks({"A [1]"});
    Run("C:\\out.bin||0|IMPORT_TYPE_6");
    EXPECT_TRUE(desktop.writtenPath.empty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Error);
}

} // namespace
