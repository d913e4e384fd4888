// The result file that cannot be written: whatever step of the all-or-nothing write fails
// (the temporary file cannot be created, a write fails midway, the flush, the close or the
// rename fails), the old result file stays byte for byte, no temporary file remains, and
// through the session the user reads "無法寫入<path>。\n未匯入任何帳戶。" while the host is still
// told. Real faults where the file system gives them, the others injected.
#include "AllocationFaults.h"
#include "CsvTestSupport.h"
#include "FaultSession.h"
#include "ImportCases.h"
#include "SessionChecks.h"
#include "SystemCallFaults.h"
#include "platform/Files.h"
#include "platform/TemporaryName.h"
#include "session/ImportSession.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <new>
#include <optional>
#include <sys/resource.h>

namespace {

using faults::FileCall;
using faults::FileFault;
using Names = std::vector<std::string>;

constexpr char kOldResult[] = "the result of an earlier import\0\x01\x02";
const std::string kOldResultBytes(kOldResult, sizeof kOldResult - 1);

// Three recipient records after their count, as the session writes them.
std::string NewResultBytes() {
    std::string bytes("\x03\0\0\0", 4);
    for (char record = 'a'; record < 'd'; ++record)
        bytes += std::string(62, record);
    return bytes;
}

// Files larger than `bytes` cannot be written for its lifetime: the kernel's own limit, with
// its signal ignored, so that the write fails with EFBIG.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        limited_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Limited() const { return limited_; }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool limited_ = false;
};

struct WriteFault {
    std::string name;
    FileFault fault;
};

std::vector<WriteFault> InjectedWriteFaults() {
    return {
        {"TemporaryFileRefused", {FileCall::OpenForWriting, EACCES}},
        {"NoRoomForTheTemporaryFile", {FileCall::OpenForWriting, ENOSPC}},
        {"EveryTemporaryNameTaken", {FileCall::OpenForWriting, EEXIST}},
        {"DiskFullAtTheFirstWrite", {FileCall::Write, ENOSPC}},
        {"WriteFailsMidway", {FileCall::Write, EIO, 100}},
        {"FlushFails", {FileCall::Flush, EIO}},
        {"CloseFails", {FileCall::Close, EIO}},
        {"RenameFails", {FileCall::Rename, EXDEV}},
    };
}

void PrintTo(const WriteFault& fault, std::ostream* out) {
    *out << fault.name;
}

class ResultFileTest : public ::testing::Test {
  protected:
    void SetUp() override { resultPath = folder.Write("result.bin", kOldResultBytes); }

    bool Replace() {
        return platform::ReplaceFileWith(resultPath, newBytes.data(), newBytes.size());
    }
    Names Entries() const { return FolderEntries(folder.PathOf("")); }

    TemporaryFolder folder;
    std::string resultPath;
    const std::string newBytes = NewResultBytes();
};

TEST_F(ResultFileTest, WithoutAFaultTheFileIsReplacedWhole) {
    EXPECT_TRUE(Replace());
    EXPECT_TRUE(FileContents(resultPath) == newBytes);
    EXPECT_EQ(Entries(), Names{"result.bin"});
}

TEST_F(ResultFileTest, AFolderThatDoesNotExistLeavesNothingBehind) {
    const std::string elsewhere = folder.PathOf("no such folder/result.bin");
    EXPECT_FALSE(platform::ReplaceFileWith(elsewhere, newBytes.data(), newBytes.size()));
    EXPECT_EQ(Entries(), Names{"result.bin"});
    EXPECT_TRUE(FileContents(resultPath) == kOldResultBytes);
}

TEST_F(ResultFileTest, FilesAndFoldersBesideTheResultAreNeverTouched) {
    // Among them the fixed name the temporary file once had, and names that look like today's.
    folder.Write("result.bin.importing", "somebody else's");
    std::filesystem::create_directory(folder.PathOf("~import-0000000000000000.tmp"));
    EXPECT_TRUE(Replace());
    EXPECT_TRUE(FileContents(resultPath) == newBytes);
    EXPECT_EQ(FileContents(folder.PathOf("result.bin.importing")), "somebody else's");
    EXPECT_EQ(Entries(),
              (Names{"result.bin", "result.bin.importing", "~import-0000000000000000.tmp"}));
}

TEST(TemporaryName, LiesInTheResultsFolderAndIsNewOnEveryCall) {
    for (const std::string path :
         {"C:\\out\\result.bin", "D:result.bin", "/tmp/out/result.bin", "result.bin"}) {
        const std::string folderPart = path.substr(0, path.find_last_of("\\/:") + 1);
        const std::string first = platform::TemporaryNameBeside(path, 7);
        const std::string second = platform::TemporaryNameBeside(path, 7);
        EXPECT_EQ(first.substr(0, folderPart.size() + 8), folderPart + "~import-") << path;
        EXPECT_EQ(first.find_first_of("\\/:", folderPart.size()), std::string::npos) << path;
        EXPECT_NE(first, second) << path;
    }
}

TEST_F(ResultFileTest, AFolderInPlaceOfTheResultFileFailsTheRenameAndStays) {
    std::filesystem::remove(resultPath);
    std::filesystem::create_directory(resultPath);
    folder.Write("result.bin/inside.txt", "kept");
    EXPECT_FALSE(Replace());
    EXPECT_TRUE(std::filesystem::is_directory(resultPath));
    EXPECT_EQ(FileContents(resultPath + "/inside.txt"), "kept");
    EXPECT_EQ(Entries(), Names{"result.bin"});
}

TEST_F(ResultFileTest, TheKernelsFileSizeLimitFailsAWriteMidway) {
    {
        FileSizeLimit limit(100);
        ASSERT_TRUE(limit.Limited());
        EXPECT_FALSE(Replace());
    }
    EXPECT_TRUE(FileContents(resultPath) == kOldResultBytes);
    EXPECT_EQ(Entries(), Names{"result.bin"});
}

TEST_F(ResultFileTest, NoMemoryForTheTemporaryFilesNameFailsLikeAnyOtherFault) {
    const std::size_t allocations = faults::FailEachAllocationInTurn([&](std::size_t failAt) {
        bool replaced = true;
        bool threw = false;
        bool failed = false;
        {
            faults::AllocationCountdown countdown(failAt);
            try {
                replaced = Replace();
            } catch (const std::bad_alloc&) {
                threw = true;
            }
            failed = countdown.Injected();
        }
        EXPECT_FALSE(threw) << "allocation " << failAt;
        EXPECT_EQ(replaced, !failed) << "allocation " << failAt;
        EXPECT_TRUE(FileContents(resultPath) == (failed ? kOldResultBytes : newBytes));
        EXPECT_EQ(Entries(), Names{"result.bin"});
        return failed;
    });
    EXPECT_GE(allocations, 1u); // the temporary file's name, longer than a short string holds
}

class InjectedResultFileFaultTest : public ResultFileTest,
                                    public ::testing::WithParamInterface<WriteFault> {};

TEST_P(InjectedResultFileFaultTest, TheOldFileStaysAndNoTemporaryFileRemains) {
    bool replaced = true;
    int hits = 0;
    {
        faults::FileFaultScope fault(GetParam().fault);
        replaced = Replace();
        hits = fault.Hits();
    }
    EXPECT_GT(hits, 0) << "the fault never reached the file";
    EXPECT_FALSE(replaced);
    EXPECT_TRUE(FileContents(resultPath) == kOldResultBytes);
    EXPECT_EQ(Entries(), Names{"result.bin"});
}

std::string WriteFaultName(const ::testing::TestParamInfo<WriteFault>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(EachStep, InjectedResultFileFaultTest,
                         ::testing::ValuesIn(InjectedWriteFaults()), WriteFaultName);

// Through the session: a confirmed import whose result file cannot be written.
class SessionWriteFixture {
  protected:
    explicit SessionWriteFixture(const ImportCase& importCase)
        : importCase_(importCase), sourcePath(folder.Write("book.csv", importCase.bytes)),
          resultPath(folder.Write("result.bin", kOldResultBytes)) {}

    void RunSession(WritingDesktop& desktop) {
        ReaderSources sources;
        desktop.chosenPath = sourcePath;
        RunImportSession(ImportArguments(resultPath, importCase_.importType), kProgramPath, desktop,
                         sources);
        ASSERT_TRUE(sources.readerResult.has_value());
        EXPECT_GT(*sources.readerResult, 0);
    }
    void ExpectNotWritten(const WritingDesktop& desktop) const {
        EXPECT_EQ(Shown(desktop), ResultNotWrittenMessages(resultPath));
        EXPECT_EQ(desktop.writtenPath, resultPath); // the session did try
        EXPECT_EQ(desktop.postedCommands,
                  std::vector<int>{CompletionCommand(importCase_.importType)});
        EXPECT_TRUE(desktop.hostEnabled);
        EXPECT_EQ(FolderEntries(folder.PathOf("")), (Names{"book.csv", "result.bin"}));
    }

  private:
    ImportCase importCase_;

  protected:
    TemporaryFolder folder;
    std::string sourcePath;
    std::string resultPath;
};

class SessionResultFileFaultTest
    : public SessionWriteFixture,
      public ::testing::TestWithParam<std::tuple<ImportCase, WriteFault>> {
  protected:
    SessionResultFileFaultTest() : SessionWriteFixture(std::get<0>(GetParam())) {}
};

TEST_P(SessionResultFileFaultTest, TheUserReadsThatNothingWasImportedAndTheOldFileStays) {
    WritingDesktop desktop;
    desktop.writeFault = std::get<1>(GetParam()).fault;
    RunSession(desktop);
    EXPECT_GT(desktop.writeFaultHits, 0) << "the fault never reached the file";
    ExpectNotWritten(desktop);
    EXPECT_TRUE(FileContents(resultPath) == kOldResultBytes);
}

class SessionResultFolderTest : public SessionWriteFixture,
                                public ::testing::TestWithParam<ImportCase> {
  protected:
    SessionResultFolderTest() : SessionWriteFixture(GetParam()) {}
};

TEST_P(SessionResultFolderTest, AFolderInPlaceOfTheResultFileIsReportedAndStays) {
    std::filesystem::remove(resultPath);
    std::filesystem::create_directory(resultPath);
    WritingDesktop desktop;
    RunSession(desktop);
    ExpectNotWritten(desktop);
    EXPECT_TRUE(std::filesystem::is_empty(resultPath));
}

TEST(ResultFileText, TheMessageNamesTheResultPath) {
    const std::vector<std::string> expected = {
        Big5("匯入傳真受信方資料") + " | " +
        Big5("無法寫入D:\\out\\result.bin。\n未匯入任何帳戶。") + " | error"};
    EXPECT_EQ(ResultNotWrittenMessages("D:\\out\\result.bin"), expected);
}

std::string ReaderName(const ImportCase& importCase) {
    return importCase.importType == kImportSpeedDial ? "SpeedDial" : "Csv";
}

std::vector<ImportCase> OneFilePerReader() {
    return {CsvCases().front(), SpeedDialCases()[2]};
}

INSTANTIATE_TEST_SUITE_P(
    BothReaders, SessionResultFileFaultTest,
    ::testing::Combine(::testing::ValuesIn(OneFilePerReader()),
                       ::testing::ValuesIn(InjectedWriteFaults())),
    [](const ::testing::TestParamInfo<std::tuple<ImportCase, WriteFault>>& info) {
        return ReaderName(std::get<0>(info.param)) + std::get<1>(info.param).name;
    });

INSTANTIATE_TEST_SUITE_P(BothReaders, SessionResultFolderTest,
                         ::testing::ValuesIn(OneFilePerReader()),
                         [](const ::testing::TestParamInfo<ImportCase>& info) {
                             return ReaderName(info.param);
                         });

} // namespace
