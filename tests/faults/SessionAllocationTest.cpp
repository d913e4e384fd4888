// Every allocation of a whole session fails in turn, the session's own steps included (the
// command line, the confirmation's view, the records, the messages): whatever fails, the host
// gets its window back and the completion command, and the result file is either the old one
// or the whole new one, with no temporary file beside it. Where a failure has no message of
// its own, the exception goes on after the hand-back.
#include "AllocationFaults.h"
#include "CsvTestSupport.h"
#include "FaultSession.h"
#include "ImportCases.h"
#include "SessionChecks.h"
#include "session/ImportSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>

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

    std::size_t thrown = 0;
    std::size_t notWritten = 0;
    const std::size_t allocations = faults::FailEachAllocationInTurn(
        [&](std::size_t failAt) {
            folder.Write("result.bin", kOldResult);
            WritingDesktop desktop;
            ReaderSources sources;
            desktop.chosenPath = sourcePath;
            bool failed = false;
            bool threw = false;
            {
                faults::AllocationCountdown countdown(failAt);
                try {
                    RunImportSession(arguments, kProgramPath, desktop, sources);
                } catch (const std::bad_alloc&) {
                    threw = true;
                    ++thrown;
                }
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
            } else if (!threw &&
                       std::count(desktop.calls.begin(), desktop.calls.end(), "confirm") == 1) {
                // Confirmed, but the records or the file could not be had.
                EXPECT_EQ(Shown(desktop), ResultNotWrittenMessages(resultPath));
                ++notWritten;
            }
            EXPECT_EQ(FolderEntries(folder.PathOf("")), (Names{"book.csv", "result.bin"}));
            return failed;
        },
        kRunLimit);
    EXPECT_LT(allocations, kRunLimit);
    EXPECT_GT(allocations, 20u);
    EXPECT_GT(notWritten, 0u); // the records' buffer and the temporary file's name
    std::printf("%s: %zu allocations of the session failed in turn, %zu of them thrown on\n",
                GetParam().name.c_str(), allocations, thrown);
}

INSTANTIATE_TEST_SUITE_P(BothReaders, SessionAllocationTest,
                         ::testing::Values(CsvCases().front(), SpeedDialCases()[2]),
                         [](const ::testing::TestParamInfo<ImportCase>& info) {
                             return info.param.name;
                         });

} // namespace
