// Every allocation that a file reader makes fails in turn, one per session run, until a run
// completes without any: each failing run must end in the reader's out-of-memory result (or,
// for a failure while the picker adds entries, in the picker's own warning), show what the
// user is owed, import nothing and still tell the host; or, where the code does without the
// memory (the sort of the speed-dial numbers falls back to sorting in place), import exactly
// what a run without any failure imports.
#include "CsvTestSupport.h"
#include "FaultSession.h"
#include "ImportCases.h"
#include "SessionChecks.h"
#include "session/ImportSession.h"
#include "session/SourceFailures.h"
#include "speeddial/SpeedDialRecord.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <exception>
#include <filesystem>
#include <memory>

namespace {

// Far more than any of these files needs; reaching it means the runs never end.
constexpr std::size_t kRunLimit = 20000;
// Every run takes at least the file buffer, its line table and the table of candidates or
// records, and one text for each picked recipient.
constexpr std::size_t kAllocationsBesidesRecipients = 3;

struct SessionRun {
    WritingDesktop desktop;
    ReaderSources sources;
    bool threw = false;
};

class AllocationFailureTest : public ::testing::TestWithParam<ImportCase> {
  protected:
    void SetUp() override {
        sourcePath = folder.Write("book.csv", GetParam().bytes);
        resultPath = folder.PathOf("result.bin");
    }

    // One session with allocation `failAt` of the reader's call failing (0: none).
    std::unique_ptr<SessionRun> Run(std::size_t failAt) {
        auto run = std::make_unique<SessionRun>();
        run->desktop.chosenPath = sourcePath;
        run->sources.failAllocationAt = failAt;
        run->sources.csvDialogs.nameColumn = GetParam().nameColumn;
        run->sources.csvDialogs.faxColumn = GetParam().faxColumn;
        try {
            RunImportSession(ImportArguments(resultPath, GetParam().importType), kProgramPath,
                             run->desktop, run->sources);
        } catch (const std::exception& error) {
            run->threw = true;
            ADD_FAILURE() << "allocation " << failAt << ": the session ended by " << error.what();
        }
        return run;
    }

    // What a run whose allocation failed must have done. Returns whether it did without the
    // memory, importing what `clean` imported.
    bool ExpectFailureHandled(const SessionRun& run, std::size_t failAt,
                              const std::string& clean) const {
        SCOPED_TRACE("allocation " + std::to_string(failAt));
        EXPECT_TRUE(run.sources.readerResult.has_value());
        const int result = run.sources.readerResult.value_or(kOutOfMemory);
        if (result > 0) {
            EXPECT_TRUE(run.desktop.messages.empty());
            EXPECT_TRUE(FileContents(resultPath) == clean) << "a failure reported as success";
            std::filesystem::remove(resultPath);
            return true;
        }
        if (result == kOutOfMemory) {
            EXPECT_EQ(Shown(run.desktop),
                      SourceFailureMessages(texts::kOutOfMemoryForFile, sourcePath));
        } else {
            // Only the picker may report the failure itself; the user then cancels.
            EXPECT_EQ(result, 0);
            const auto& warnings = GetParam().importType == kImportSpeedDial
                                       ? run.sources.speedDialDialogs.warnings
                                       : run.sources.csvDialogs.warnings;
            EXPECT_EQ(warnings, std::vector<std::string>{texts::kNoMemoryForPicks});
            EXPECT_EQ(Shown(run.desktop), NothingImportedMessages());
        }
        EXPECT_TRUE(run.desktop.writtenPath.empty());
        EXPECT_FALSE(std::filesystem::exists(resultPath));
        EXPECT_EQ(run.desktop.postedCommands,
                  std::vector<int>{CompletionCommand(GetParam().importType)});
        EXPECT_TRUE(run.desktop.hostEnabled);
        return false;
    }

    TemporaryFolder folder;
    std::string sourcePath;
    std::string resultPath;
};

TEST_P(AllocationFailureTest, EachAllocationOfTheReaderFailsWithoutImportingAnything) {
    // A run that only counts imports everything it picked.
    const std::unique_ptr<SessionRun> clean = Run(0);
    ASSERT_FALSE(clean->threw);
    ASSERT_TRUE(clean->sources.readerResult.has_value());
    const int picked = *clean->sources.readerResult;
    ASSERT_GT(picked, 0);
    EXPECT_TRUE(clean->desktop.messages.empty());
    const std::string cleanResult = FileContents(resultPath);
    const std::size_t recordSize =
        GetParam().importType == kImportSpeedDial ? sizeof(SpeedDialRecord) : 62;
    ASSERT_EQ(cleanResult.size(), 4 + static_cast<std::size_t>(picked) * recordSize);
    std::filesystem::remove(resultPath);

    std::size_t failAt = 1;
    std::size_t doneWithout = 0;
    for (;; ++failAt) {
        ASSERT_LT(failAt, kRunLimit);
        const std::unique_ptr<SessionRun> run = Run(failAt);
        if (run->threw)
            continue;
        if (!run->sources.allocationFailed) {
            EXPECT_TRUE(FileContents(resultPath) == cleanResult);
            break;
        }
        if (ExpectFailureHandled(*run, failAt, cleanResult))
            ++doneWithout;
    }
    const std::size_t injectionPoints = failAt - 1;
    EXPECT_EQ(injectionPoints, clean->sources.allocations);
    EXPECT_GE(injectionPoints - doneWithout,
              kAllocationsBesidesRecipients + static_cast<std::size_t>(picked));
    RecordProperty("injection_points", static_cast<int>(injectionPoints));
    std::printf("%s: %zu allocations failed in turn, %zu of them done without\n",
                GetParam().name.c_str(), injectionPoints, doneWithout);
}

std::string CaseName(const ::testing::TestParamInfo<ImportCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(CsvReader, AllocationFailureTest, ::testing::ValuesIn(CsvCases()),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(SpeedDialReader, AllocationFailureTest,
                         ::testing::ValuesIn(SpeedDialCases()), CaseName);

} // namespace
