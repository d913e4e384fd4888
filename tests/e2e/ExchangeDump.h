// Runs the Windows build of exchange-dump on a result file and checks what it prints.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace e2e {

struct ToolRun {
    unsigned long exitCode = 0;
    std::string output; // standard output, as written
    std::string errors; // standard error
};

// Runs exchange-dump with these arguments and waits for it; a tool that cannot be started or
// does not end in time fails the current test.
ToolRun RunExchangeDump(const std::vector<std::string>& arguments);

// One record as exchange-dump names its members, texts in UTF-8.
using DumpedRecord = std::vector<std::pair<std::string, std::string>>;

// Expects exchange-dump to tell the kind ("recipients" or "speed-dial") from the file's size
// and to print `text`; and its --json output to parse as JSON with that kind, the records' count
// and exactly these members with these values.
void ExpectDump(const std::string& resultPath, const std::string& kind, const std::string& text,
                const std::vector<DumpedRecord>& records);

// Expects exchange-dump to refuse the file when told it holds the other kind.
void ExpectOtherKindRefused(const std::string& resultPath, const std::string& otherKind);

} // namespace e2e
