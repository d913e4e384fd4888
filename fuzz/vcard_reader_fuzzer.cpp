// The vCard reader from a file's bytes. Input: the file, then (from the end) the code page.
#include "FuzzSupport.h"
#include "session/SourceFailures.h"
#include "vcard/VCardDetection.h"
#include "vcard/VCardReader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    platform::SetAnsiCodePage(input.PickValueInArray(kAnsiCodePages));
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    IsVCardContent(bytes.data(), bytes.size());

    platform::FileBytes content = FileBytesOf(bytes);
    CsvCandidateTable table;
    int32_t excludedCards = -1;
    const int result = ReadVCardCandidates(content, table, excludedCards);
    FUZZ_REQUIRE(result == 1 || result == kNoFaxNumberFound || result == kInvalidCsvData ||
                 result == kOutOfMemory);
    if (result != 1)
        return 0;
    // A card takes two lines at least, and a candidate one line of its own.
    const auto lineBreaks = static_cast<std::size_t>(
        std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == '\n' || c == '\r'; }));
    FUZZ_REQUIRE(excludedCards >= 0 && static_cast<std::size_t>(excludedCards) <= lineBreaks);
    FUZZ_REQUIRE(table.Size() >= 1 && table.Size() <= lineBreaks + 1);
    for (const CsvCandidate& candidate : table.Candidates()) {
        FUZZ_REQUIRE(TerminatedWithin(candidate.name));
        FUZZ_REQUIRE(TerminatedWithin(candidate.faxNumber));
        const std::string_view name = candidate.name;
        const std::string_view faxNumber = candidate.faxNumber;
        FUZZ_REQUIRE(!faxNumber.empty() && IsCleanFaxNumber(faxNumber));
        FUZZ_REQUIRE(name.empty() || name.front() != ' ');
    }
    return 0;
}
