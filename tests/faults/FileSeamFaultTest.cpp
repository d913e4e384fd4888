// A source file that cannot be opened, sized or read, through both readers and through the
// session: the failure code, the message and caption the user sees, nothing imported, the
// result file untouched and the host still told. Real faults where the file system gives
// them (a missing file, a folder, an empty file), the others injected into the seam's system
// calls.
#include "CsvTestSupport.h"
#include "FaultSession.h"
#include "ImportCases.h"
#include "SessionChecks.h"
#include "SystemCallFaults.h"
#include "csv/CsvReader.h"
#include "session/ImportSession.h"
#include "session/SourceFailures.h"
#include "speeddial/SpeedDialReader.h"
#include "speeddial/SpeedDialState.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>

namespace {

using faults::FileCall;
using faults::FileFault;

enum class SourceFile { Example, Missing, Folder, Empty };

struct ReadFault {
    std::string name;
    SourceFile file = SourceFile::Example;
    std::optional<FileFault> injected;
    int failure = 0; // the reader's result
};

std::vector<ReadFault> ReadFaults() {
    return {
        {"MissingFile", SourceFile::Missing, std::nullopt, kFileCannotOpen},
        {"FolderInPlaceOfTheFile", SourceFile::Folder, std::nullopt, kFileCannotOpen},
        {"OpenRefused", SourceFile::Example, FileFault{FileCall::OpenForReading, EACCES},
         kFileCannotOpen},
        {"OpenedByAnotherProgram", SourceFile::Example, FileFault{FileCall::OpenForReading, EBUSY},
         kFileCannotOpen},
        {"SizeUnreadable", SourceFile::Example, FileFault{FileCall::Size, EIO},
         kFileSizeUnreadable},
        {"SizeOverflows", SourceFile::Example, FileFault{FileCall::Size, EOVERFLOW},
         kFileSizeUnreadable},
        {"EmptyFile", SourceFile::Empty, std::nullopt, kNothingRead},
        {"ReadFailsAtOnce", SourceFile::Example, FileFault{FileCall::Read, EIO}, kNothingRead},
        {"ReadFailsMidway", SourceFile::Example, FileFault{FileCall::Read, EIO, 100}, kNothingRead},
        {"FileEndsBeforeItsSize", SourceFile::Example, FileFault{FileCall::Read, 0, 100},
         kNothingRead},
    };
}

struct Source {
    std::string name;
    ImportCase file;
};

void PrintTo(const ReadFault& fault, std::ostream* out) {
    *out << fault.name;
}

void PrintTo(const Source& source, std::ostream* out) {
    *out << source.name;
}

std::vector<Source> Sources() {
    return {{"Csv", CsvCases().front()}, {"SpeedDial", SpeedDialCases()[2]}};
}

// The text each failure shows, as the user must see it.
const char* TextOf(int failure) {
    return failure == kOutOfMemory ? texts::kOutOfMemoryForFile : texts::kCannotAccessFile;
}

constexpr char kOldResult[] = "the result of an earlier import\0\x01\x02";
const std::string kOldResultBytes(kOldResult, sizeof kOldResult - 1);

class FileSeamFaultTest : public ::testing::TestWithParam<std::tuple<Source, ReadFault>> {
  protected:
    const ImportCase& File() const { return std::get<0>(GetParam()).file; }
    const ReadFault& Fault() const { return std::get<1>(GetParam()); }

    void SetUp() override {
        switch (Fault().file) {
        case SourceFile::Example:
            sourcePath = folder.Write("book.csv", File().bytes);
            break;
        case SourceFile::Missing:
            sourcePath = folder.PathOf("missing.csv");
            break;
        case SourceFile::Folder:
            sourcePath = folder.PathOf("folder.csv");
            std::filesystem::create_directory(sourcePath);
            break;
        case SourceFile::Empty:
            sourcePath = folder.Write("empty.csv", "");
            break;
        }
        resultPath = folder.Write("result.bin", kOldResultBytes);
    }

    TemporaryFolder folder;
    std::string sourcePath;
    std::string resultPath;
};

TEST_P(FileSeamFaultTest, TheReaderReturnsTheFailureAndRunsNoDialog) {
    SessionLists lists;
    int32_t excluded = -1;
    int result = 0;
    int hits = 0;
    if (File().importType == kImportSpeedDial) {
        PickingSpeedDialDialogs dialogs;
        SpeedDialState state;
        std::optional<faults::FileFaultScope> fault;
        if (Fault().injected)
            fault.emplace(*Fault().injected);
        result = ImportSpeedDialFile(sourcePath, lists, excluded, 0, state, dialogs);
        hits = fault ? fault->Hits() : 0;
        EXPECT_TRUE(dialogs.pickedTexts.empty());
        EXPECT_TRUE(dialogs.warnings.empty());
        EXPECT_EQ(lists.pickedRecords.Size(), 0u);
    } else {
        PickingCsvDialogs dialogs;
        std::optional<faults::FileFaultScope> fault;
        if (Fault().injected)
            fault.emplace(*Fault().injected);
        result = ReadCsvFile(sourcePath, lists, excluded, File().importType, 0, dialogs);
        hits = fault ? fault->Hits() : 0;
        EXPECT_EQ(dialogs.pickedEntries, 0);
    }
    EXPECT_EQ(result, Fault().failure);
    if (Fault().injected) {
        EXPECT_GT(hits, 0) << "the fault never reached the file";
    }
    EXPECT_EQ(lists.count, 0);
    EXPECT_EQ(lists.recipients.Size(), 0u);
}

TEST_P(FileSeamFaultTest, TheSessionShowsTheSourcesMessageImportsNothingAndTellsTheHost) {
    WritingDesktop desktop;
    ReaderSources sources;
    desktop.chosenPath = sourcePath;
    sources.readFault = Fault().injected;
    RunImportSession(ImportArguments(resultPath, File().importType), kProgramPath, desktop,
                     sources);

    ASSERT_TRUE(sources.readerResult.has_value());
    EXPECT_EQ(*sources.readerResult, Fault().failure);
    if (Fault().injected) {
        EXPECT_GT(sources.readFaultHits, 0) << "the fault never reached the file";
    }
    EXPECT_EQ(Shown(desktop), SourceFailureMessages(TextOf(Fault().failure), sourcePath));
    EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "confirm"), 0);
    EXPECT_TRUE(desktop.writtenPath.empty());
    EXPECT_TRUE(FileContents(resultPath) == kOldResultBytes);
    EXPECT_EQ(desktop.postedCommands, std::vector<int>{CompletionCommand(File().importType)});
    EXPECT_TRUE(desktop.hostEnabled);
}

// The texts themselves, as the user reads them, so that no mapping can pass unseen.
TEST(FileSeamFailureTexts, OpenSizeAndReadFailuresShowCannotAccessWithThePath) {
    for (const int failure : {kFileCannotOpen, kFileSizeUnreadable, kNothingRead})
        EXPECT_EQ(SourceFailureMessage(failure, "D:\\book.csv"),
                  Big5("無法存取D:\\book.csv。\n未讀取任何匯入資料。"));
    EXPECT_EQ(SourceFailureMessage(kOutOfMemory, "D:\\book.csv"),
              Big5("記憶體不足無法從D:\\book.csv匯入資料。"));
    EXPECT_EQ(std::string(texts::kCsvErrorCaption), Big5("CSV匯入錯誤"));
    EXPECT_EQ(std::string(texts::kNoAccountsImported), Big5("未匯入帳戶"));
    EXPECT_EQ(std::string(texts::kImportCaption), Big5("匯入傳真受信方資料"));
}

std::string FaultName(const ::testing::TestParamInfo<std::tuple<Source, ReadFault>>& info) {
    return std::get<0>(info.param).name + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(BothReaders, FileSeamFaultTest,
                         ::testing::Combine(::testing::ValuesIn(Sources()),
                                            ::testing::ValuesIn(ReadFaults())),
                         FaultName);

} // namespace
