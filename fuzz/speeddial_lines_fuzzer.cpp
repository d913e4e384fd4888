// The two data-line parsers of the EWS-CSV reader on one line, with any fax and check column
// and any format. Input: the line, then (from the end) the code page, the parser, the format
// and the columns.
#include "FuzzSupport.h"
#include "SpeedDialChecks.h"
#include "speeddial/FaxLine.h"
#include "speeddial/LineFields.h"
#include "speeddial/Version0Line.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

namespace {

constexpr std::array<int32_t, 6> kVersions = {0, 1, 2, 3, 5, 6};

void CheckSplit(const LineFields& fields, int result, const HeapText& line) {
    FUZZ_REQUIRE(result == -6 || (result >= 0 && result <= kMaxCsvFields));
    FUZZ_REQUIRE(fields.Count() >= 0 && fields.Count() <= kMaxCsvFields);
    if (result >= 0)
        FUZZ_REQUIRE(fields.Count() == result);
    for (int index = 0; index < fields.Count(); ++index) {
        const char* field = fields.Field(index);
        FUZZ_REQUIRE(field && line.Holds(field) && line.Holds(field + std::strlen(field)));
    }
    FUZZ_REQUIRE(!fields.Field(fields.Count()) && !fields.Field(-1));
}

void CheckParsed(const SpeedDialRecord& record, const SessionLists& lists, bool accepted) {
    FUZZ_REQUIRE(AllMembersTerminated(record));
    // One entry in each list for an accepted line, none for a refused one.
    const std::size_t entries = accepted ? 1 : 0;
    for (const StringList* list : {&lists.pickedRecords, &lists.confidentialTexts,
                                   &lists.relayTexts, &lists.fcodeTexts, &lists.modeTexts})
        FUZZ_REQUIRE(list->Size() == entries);
    if (!accepted)
        return;
    const std::string_view faxNumber = MemberText(record.faxNumber);
    FUZZ_REQUIRE(!faxNumber.empty() && IsCleanFaxNumber(faxNumber));
    FUZZ_REQUIRE(!lists.pickedRecords.At(0).empty());
    FUZZ_REQUIRE(record.commMode >= 0 && record.commMode <= 2);
    FUZZ_REQUIRE(IsTransmitType(record.transmitType));
    // The line parsers fill no member that the writer fills, and no reserved byte.
    SpeedDialRecord expected = recordTemplate;
    std::memcpy(expected.name, record.name, sizeof record.name);
    std::memcpy(expected.faxNumber, record.faxNumber, sizeof record.faxNumber);
    expected.commMode = record.commMode;
    expected.transmitType = record.transmitType;
    expected.speedDialNumber = record.speedDialNumber;
    FUZZ_REQUIRE(std::memcmp(&expected, &record, sizeof record) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    platform::SetAnsiCodePage(input.PickValueInArray(kAnsiCodePages));
    const bool version0 = input.ConsumeBool();
    EwsFormat format;
    format.ewsFormatVersion = input.PickValueInArray(kVersions);
    format.ewsFormatRevision = input.ConsumeIntegralInRange(0, 3);
    const int faxColumn = input.ConsumeIntegralInRange(-1, 40);
    const int encColumn = input.ConsumeIntegralInRange(-1, 80);
    HeapText line(input.ConsumeRemainingBytesAsString());

    LineFields fields;
    const int result = fields.Split(line.Data());
    CheckSplit(fields, result, line);

    SpeedDialRecord record = recordTemplate;
    SessionLists lists;
    const bool accepted = version0
                              ? ParseVersion0Line(fields, record, lists)
                              : ParseFaxLine(fields, record, lists, faxColumn, encColumn, format);
    CheckParsed(record, lists, accepted);
    return 0;
}
