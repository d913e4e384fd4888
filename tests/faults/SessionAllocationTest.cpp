// Every allocation of a whole session fails in turn, the session's own steps included (the
// command line, the confirmation's view, the records, the messages): whatever fails, the session
// ends by itself, the host gets its window back and the completion command, and the result file
// is either the old one or the whole new one, with no temporary file beside it. The user reads
// that memory ran out while the file was read, that the result could not be written, or, where
// neither was going on, that nothing was imported.
#include "AllocationFaults.h"
#include "CsvTestSupport.h"
#include "FaultSession.h"
#include "ImportCases.h"
#include "SessionChecks.h"
#include "session/ImportSession.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Names = std::vector<std::string>;

constexpr std::size_t kRunLimit = 20000;
constexpr char kOldResult[] = "the result of an earlier import";

class SessionAllocationTest : public ::testing::TestWithParam<ImportCase> {};

TEST_P(SessionAllocationTest, WhateverFailsTheHostIsToldAndTheResultIsOldOrWhole) {
    TemporaryFolder folder;
    const std::string sourcePath = folder.Write("book.csv", GetParam().bytes);
    const std::string resultPath = folder.PathOf("result.bin");
    const std::string arguments = ImportArguments(resultPath, GetParam().importType);
    const std::vector<int> told = {CompletionCommand(GetParam().importType)};

    std::string clean;
    {
        WritingDesktop desktop;
        ReaderSources sources;
        desktop.chosenPath = sourcePath;
        RunImportSession(arguments, kProgramPath, desktop, sources);
        clean = FileContents(resultPath);
        ASSERT_GT(clean.size(), 4u);
    }

    const std::vector<Names> expected = {
        SourceFailureMessages(texts::kOutOfMemoryForFile, sourcePath),
        ResultNotWrittenMessages(resultPath),
        NothingImportedMessages(),
    };
    std::vector<std::size_t> shown(expected.size(), 0);
    const std::size_t allocations = faults::FailEachAllocationInTurn(
        [&](std::size_t failAt) {
            folder.Write("result.bin", kOldResult);
            WritingDesktop desktop;
            ReaderSources sources;
            desktop.chosenPath = sourcePath;
            bool failed = false;
            {
                faults::AllocationCountdown countdown(failAt);
                EXPECT_NO_THROW(RunImportSession(arguments, kProgramPath, desktop, sources));
                failed = countdown.Injected();
            }
            SCOPED_TRACE("allocation " + std::to_string(failAt));
            // A session that failed before it knew its import type tells the host as one
            // without a type does.
            const bool typeKnown = !desktop.fileChooserTypes.empty();
            EXPECT_EQ(desktop.postedCommands,
                      typeKnown ? told : std::vector<int>{kRecipientsCommand});
            EXPECT_TRUE(desktop.hostEnabled);
            const std::string result = FileContents(resultPath);
            EXPECT_TRUE(result == kOldResult || result == clean);
            if (result == clean) {
                EXPECT_TRUE(desktop.messages.empty());
            } else {
                const auto at = std::find(expected.begin(), expected.end(), Shown(desktop));
                EXPECT_NE(at, expected.end()) << ::testing::PrintToString(Shown(desktop));
                if (at != expected.end())
                    ++shown[static_cast<std::size_t>(at - expected.begin())];
            }
            EXPECT_EQ(FolderEntries(folder.PathOf("")), (Names{"book.csv", "result.bin"}));
            return failed;
        },
        kRunLimit);
    EXPECT_LT(allocations, kRunLimit);
    EXPECT_GT(allocations, 20u);
    EXPECT_GT(shown[0], 0u); // the reader's
    EXPECT_GT(shown[1], 0u); // the records' buffer and the temporary file's name
    EXPECT_GT(shown[2], 0u); // the command line, the confirmation's view
    std::printf("%s: %zu allocations of the session failed in turn; out of memory %zu, not "
                "written %zu, nothing imported %zu\n",
                GetParam().name.c_str(), allocations, shown[0], shown[1], shown[2]);
}

INSTANTIATE_TEST_SUITE_P(BothReaders, SessionAllocationTest,
                         ::testing::Values(CsvCases().front(), SpeedDialCases()[2]),
                         [](const ::testing::TestParamInfo<ImportCase>& info) {
                             return info.param.name;
                         });

} // namespace
