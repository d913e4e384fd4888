#include "ImportCases.h"

#include "CsvTestSupport.h"
#include "ExportBooks.h"
#include "session/SessionLists.h"

std::vector<ImportCase> CsvCases() {
    std::vector<ImportCase> cases = {
        {"ExampleHeaderWords", ExampleBytes("phonebook-header-words.csv"), kImportCsvFoundColumns},
        {"ExamplePlainHeader", ExampleBytes("phonebook-plain-header.csv"), kImportCsvChosenColumns,
         0, 3},
    };
    for (const export_books::Book& book : export_books::AllBooks()) {
        cases.push_back({book.kind + "Found", book.bytes, kImportCsvFoundColumns});
        cases.push_back({book.kind + "Chosen", book.bytes, kImportCsvChosenColumns, book.nameColumn,
                         book.faxColumn});
    }
    return cases;
}

std::vector<ImportCase> SpeedDialCases() {
    std::vector<ImportCase> cases;
    for (const char* version : {"0", "1", "2", "3", "5", "6"})
        cases.push_back({std::string("ExampleVersion") + version,
                         ExampleBytes(std::string("speeddial-v") + version + ".csv"),
                         kImportSpeedDial});
    return cases;
}

void PrintTo(const ImportCase& importCase, std::ostream* out) {
    *out << importCase.name;
}
