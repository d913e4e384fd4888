#include "csv/CsvReader.h"

#include "csv/CsvColumns.h"
#include "csv/CsvEncoding.h"
#include "csv/CsvLines.h"
#include "csv/CsvPhoneColumns.h"
#include "csv/CsvRecords.h"
#include "csv/CsvRows.h"
#include "csv/CsvSeparator.h"
#include "platform/Files.h"
#include "session/SourceFailures.h"
#include "text/FieldHelpers.h"
#include "vcard/VCardDetection.h"
#include "vcard/VCardReader.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace {

// 1 with the columns, 0 when the user cancelled, or a failure code.
int FindColumns(const std::string& sourcePath, int importType, CsvDialogs& dialogs,
                std::span<char* const> headerFields, CsvColumns& columns) {
    if (importType == kImportCsvChosenColumns) {
        CsvColumnChoice choice(sourcePath, headerFields);
        if (!dialogs.ChooseColumns(choice) || choice.FaxColumn() < 0)
            return 0;
        columns.nameColumn = choice.NameColumn();
        columns.faxColumns = {FaxColumn{choice.FaxColumn()}};
        return 1;
    }
    if (headerFields.empty())
        return kNoFaxNumberFound;
    columns = FindColumnsByHeaderWords(headerFields);
    return columns.faxColumns.empty() ? kNoFaxNumberFound : 1;
}

// Room for every row's candidates: one per fax column, and one more for every number that a
// phone value lists beyond its first.
bool AllocateCandidates(const platform::FileBytes& content, std::size_t rows,
                        const CsvColumns& columns, CsvCandidateTable& table) {
    const bool phoneValues =
        std::any_of(columns.faxColumns.begin(), columns.faxColumns.end(),
                    [](const FaxColumn& column) { return column.IsPhoneValue(); });
    if (!phoneValues)
        return table.Allocate(rows, columns.faxColumns.size());
    const std::size_t columnCount = columns.faxColumns.size();
    const std::size_t listed = CountListSeparators(content.data.get(), content.size);
    if (rows > (SIZE_MAX - listed) / columnCount)
        return false;
    return table.Allocate(rows * columnCount + listed, 1);
}

// ParseCsvCandidates, which may throw when memory runs out.
int ParseCandidates(platform::FileBytes& content, const std::string& sourcePath, int importType,
                    CsvDialogs& dialogs, CsvCandidateTable& table, int32_t& excludedRows) {
    if (content.size == 0)
        return kNothingRead;
    // A vCard file, whatever its name, gives its cards' fax numbers without any column dialog.
    if (IsVCardContent(content.data.get(), content.size))
        return ReadVCardCandidates(content, table, excludedRows);
    if (!ConvertCsvContent(content))
        return kOutOfMemory;
    if (content.size == 0)
        return kNothingRead; // a byte order mark alone

    CsvLines lines;
    lines.Cut(content.data.get(), content.size);
    const std::size_t headerIndex = lines.HeaderIndex();
    const char separator = FindCsvSeparator(lines.Line(headerIndex));

    FieldArray fields{};
    std::size_t headerEnd = headerIndex; // the header's last line
    const int headerCount = SplitCsvRecord(lines, headerEnd, separator, fields);
    if (headerCount < 0)
        return kInvalidCsvData;

    CsvColumns columns;
    const int found = FindColumns(
        sourcePath, importType, dialogs,
        std::span<char* const>(fields.data(), static_cast<std::size_t>(headerCount)), columns);
    if (found != 1)
        return found;

    if (!AllocateCandidates(content, lines.Count() - headerEnd - 1, columns, table))
        return kOutOfMemory;
    excludedRows = 0;
    switch (ReadCsvRows(lines, headerEnd + 1, separator, columns, fields, table, excludedRows)) {
    case RowsOutcome::UnclosedQuote:
        return kInvalidCsvData;
    case RowsOutcome::NoNumberFound:
        return kNoFaxNumberFound;
    case RowsOutcome::NumbersFound:
        break;
    }
    return 1;
}

// ReadCsvCandidates, which may throw when memory runs out.
int ReadCandidates(const std::string& sourcePath, int importType, CsvDialogs& dialogs,
                   CsvCandidateTable& table, int32_t& excludedRows) {
    platform::FileBytes content;
    const platform::ReadStatus status = platform::ReadWholeFile(sourcePath, content);
    if (status != platform::ReadStatus::Ok)
        return SourceFailureOf(status);
    return ParseCandidates(content, sourcePath, importType, dialogs, table, excludedRows);
}

} // namespace

int ReadCsvCandidates(const std::string& sourcePath, int importType, CsvDialogs& dialogs,
                      CsvCandidateTable& table, int32_t& excludedRows) {
    return OutOfMemoryAsFailure(
        [&] { return ReadCandidates(sourcePath, importType, dialogs, table, excludedRows); });
}

int ParseCsvCandidates(platform::FileBytes& content, const std::string& sourcePath, int importType,
                       CsvDialogs& dialogs, CsvCandidateTable& table, int32_t& excludedRows) {
    return OutOfMemoryAsFailure([&] {
        return ParseCandidates(content, sourcePath, importType, dialogs, table, excludedRows);
    });
}

int ReadCsvFile(const std::string& sourcePath, SessionLists& lists, int32_t& excludedRows,
                int importType, int optionFlags, CsvDialogs& dialogs) {
    CsvCandidateTable table;
    const int read = ReadCsvCandidates(sourcePath, importType, dialogs, table, excludedRows);
    if (read != 1)
        return read;
    const int picked = OutOfMemoryAsFailure([&] {
        CsvRecipientPicker picker(sourcePath, table.Candidates(), lists, optionFlags);
        if (dialogs.PickRecipients(picker))
            return picker.Confirm();
        picker.Cancel();
        return 0;
    });
    if (picked == kOutOfMemory) {
        // Whatever the picker had confirmed so far goes: nothing is imported.
        lists.count = 0;
        lists.recipients.Clear();
    }
    return picked;
}
