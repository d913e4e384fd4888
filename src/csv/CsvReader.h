// The CSV import of import types 4 and 5.
#pragma once

#include "csv/CsvCandidateTable.h"
#include "csv/CsvDialogs.h"
#include "platform/Files.h"
#include "session/SessionLists.h"

#include <cstdint>
#include <string>

// A vCard file (its first non-empty line BEGIN:VCARD) gives its cards' fax numbers without the
// column dialog (vcard/VCardReader.h). Any other file is a CSV file:
// reads the file, converting Unicode text to the ANSI code page first, finds its name and fax
// columns (by the header words for type 5, through the column dialog for type 4), builds the
// candidates and lets the user pick from them. The header line decides the separator; a quoted
// field may span lines. Returns the number picked (also in `count`, the
// texts in `recipients`), 0 when a dialog was cancelled or nothing was picked, or a failure code
// from -6 to -1; -3 when memory runs out anywhere, the picker and the picked texts included
// (`count` is then 0 and `recipients` empty). `excludedRows` counts the rows that gave no fax
// number.
int ReadCsvFile(const std::string& sourcePath, SessionLists& lists, int32_t& excludedRows,
                int importType, int optionFlags, CsvDialogs& dialogs);

// Everything before the picker: 1 with the candidates in `table`, 0 when the column dialog was
// cancelled, or a failure code. The file's contents are released before it returns.
int ReadCsvCandidates(const std::string& sourcePath, int importType, CsvDialogs& dialogs,
                      CsvCandidateTable& table, int32_t& excludedRows);

// ReadCsvCandidates on contents already read (as ReadWholeFile gives them); they are converted
// and cut where they lie. `sourcePath` only names the file in the column dialog's title.
int ParseCsvCandidates(platform::FileBytes& content, const std::string& sourcePath, int importType,
                       CsvDialogs& dialogs, CsvCandidateTable& table, int32_t& excludedRows);
