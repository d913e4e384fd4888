#include "speeddial/SpeedDialReader.h"

#include "platform/Files.h"
#include "session/SourceFailures.h"
#include "speeddial/ColumnSearch.h"
#include "speeddial/FaxLine.h"
#include "speeddial/HeaderSignatures.h"
#include "speeddial/Numbers.h"
#include "speeddial/TextLines.h"
#include "speeddial/Version0Line.h"

namespace {

constexpr int kCheckColumnVersion = 5;

// The header is the first line a line feed ended that is not empty; failing that, the text
// after the last line feed.
std::size_t HeaderIndex(const TextLines& lines) {
    const std::size_t terminated = lines.TerminatedCount();
    for (std::size_t index = 0; index < terminated; ++index)
        if (lines.Line(index)[0] != '\0')
            return index;
    return terminated;
}

bool MatchHeader(char* line, EwsFormat& format) {
    LineFields header;
    header.Split(line);
    for (const HeaderSignature& signature : headerSignatures) {
        if (!MatchSignature(header, signature))
            continue;
        format.ewsFormatVersion = DigitValue(header.Field(2));
        if (format.ewsFormatVersion > 0) {
            const char* revision = header.Field(3);
            format.ewsFormatRevision = revision ? DigitValue(revision) : 0;
        }
        return true;
    }
    return false;
}

struct DataColumns {
    int fax = -1;
    int encoded = -1;
};

DataColumns FindDataColumns(const char* titleLine, int32_t version) {
    DataColumns columns;
    if (!titleLine)
        return columns;
    columns.fax = FindFaxColumn(titleLine);
    if (version >= kCheckColumnVersion) {
        columns.encoded = FindEncodedColumn(titleLine);
        if (columns.encoded < 0)
            columns.fax = -1; // such a file yields no record
    }
    return columns;
}

bool IsEndMarker(int splitResult, const LineFields& line) {
    return splitResult == 1 && line.Equals(0, "*");
}

// Room for one entry per data line in each of the five lists.
void ReserveEntries(SessionLists& lists, std::size_t dataLines) {
    for (StringList* list : {&lists.pickedRecords, &lists.confidentialTexts, &lists.relayTexts,
                             &lists.fcodeTexts, &lists.modeTexts})
        list->Reserve(list->Size() + dataLines);
}

// The data lines from `first` up to the end marker or the last line a line feed ended. Returns
// the number of records accepted into `table`.
int ParseDataLines(const TextLines& lines, std::size_t first, DataColumns columns,
                   const EwsFormat& format, SpeedDialTable& table, SessionLists& lists,
                   int32_t& excludedLines) {
    LineFields line;
    int accepted = 0;
    for (std::size_t index = first; index < lines.TerminatedCount(); ++index) {
        const int result = line.Split(lines.Line(index));
        if (result == 0)
            continue;
        if (IsEndMarker(result, line))
            break;
        SpeedDialRecord* record = table.StartRecord();
        if (!record)
            break;
        const bool ok =
            format.ewsFormatVersion == 0
                ? ParseVersion0Line(line, *record, lists)
                : ParseFaxLine(line, *record, lists, columns.fax, columns.encoded, format);
        if (ok) {
            ++accepted;
        } else {
            table.DropLastRecord();
            ++excludedLines;
        }
    }
    return accepted;
}

// ParseSpeedDialRecords, which may throw when memory runs out.
int ParseRecords(platform::FileBytes& file, SessionLists& lists, int32_t& excludedLines,
                 SpeedDialState& state) {
    if (file.size == 0)
        return kNothingRead;
    TextLines lines;
    if (!lines.Cut(file.data.get(), file.size))
        return kOutOfMemory;

    const std::size_t terminated = lines.TerminatedCount();
    const std::size_t header = HeaderIndex(lines);
    EwsFormat& format = state.format;
    format = EwsFormat{};
    if (!MatchHeader(lines.Line(header), format))
        return kUnknownSpeedDialFormat;

    const int32_t version = format.ewsFormatVersion;
    // t: the header line for version 0, the column-title line after it for the others.
    const std::size_t titles = version > 0 ? header + 1 : header;
    const std::size_t firstData = titles + 1;
    const std::size_t dataLines = firstData < terminated ? terminated - firstData : 0;
    if (!state.speedDialTable.Allocate(dataLines))
        return kOutOfMemory;

    DataColumns columns;
    if (version > 0)
        columns = FindDataColumns(titles <= terminated ? lines.Line(titles) : nullptr, version);

    excludedLines = 0;
    if (version > 0 && columns.fax < 0)
        return kNoFaxNumberFound;
    ReserveEntries(lists, dataLines);
    const int accepted = ParseDataLines(lines, firstData, columns, format, state.speedDialTable,
                                        lists, excludedLines);
    return accepted > 0 ? accepted : kNoFaxNumberFound;
}

// ReadSpeedDialRecords, which may throw when memory runs out.
int ReadRecords(const std::string& sourcePath, SessionLists& lists, int32_t& excludedLines,
                SpeedDialState& state) {
    platform::FileBytes file;
    const platform::ReadStatus status = platform::ReadWholeFile(sourcePath, file);
    if (status != platform::ReadStatus::Ok)
        return SourceFailureOf(status);
    return ParseRecords(file, lists, excludedLines, state);
}

} // namespace

int ReadSpeedDialRecords(const std::string& sourcePath, SessionLists& lists, int32_t& excludedLines,
                         SpeedDialState& state) {
    return OutOfMemoryAsFailure(
        [&] { return ReadRecords(sourcePath, lists, excludedLines, state); });
}

int ParseSpeedDialRecords(platform::FileBytes& file, SessionLists& lists, int32_t& excludedLines,
                          SpeedDialState& state) {
    return OutOfMemoryAsFailure([&] { return ParseRecords(file, lists, excludedLines, state); });
}

int ImportSpeedDialFile(const std::string& sourcePath, SessionLists& lists, int32_t& excludedLines,
                        int optionFlags, SpeedDialState& state, SpeedDialDialogs& dialogs) {
    const int records = ReadSpeedDialRecords(sourcePath, lists, excludedLines, state);
    if (records <= 0)
        return records;
    lists.count = records;
    const int picked = OutOfMemoryAsFailure([&] {
        SpeedDialPicker picker(sourcePath, state.speedDialTable.Records(), lists, optionFlags);
        if (!dialogs.PickRecipients(picker)) {
            picker.Cancel();
            return 0;
        }
        return picker.Confirm();
    });
    if (picked == kOutOfMemory) {
        // Whatever the picker had confirmed so far goes: nothing is imported.
        lists.count = 0;
        lists.recipients.Clear();
    }
    return picked;
}
