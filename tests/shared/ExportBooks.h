// Phone books shaped like the CSV exports of today's spreadsheets, mail programs and web address
// books, with what the importer should make of them. Shared by the unit and end-to-end tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace export_books {

// Encodings of a UTF-8 text, through the platform's conversion.
std::string ToUtf16(const std::string& utf8, bool littleEndian);
std::string ToBig5(const std::string& utf8);

// What one import type gives: the picker's entries ("name [fax]", written in UTF-8) and the
// rows excluded for having no number.
struct Expected {
    std::vector<std::string> entries;
    int excluded = 0;
};

struct Book {
    std::string kind; // a name fit for a test's name
    std::string bytes;
    std::vector<std::string> headerFields; // as the column dialog lists them, UTF-8
    int nameColumn = -1;                   // what the user chooses for import type 4
    int faxColumn = 0;
    Expected found;  // import type 5
    Expected chosen; // import type 4 with the columns above
};

Book SpreadsheetCsvUtf8();     // byte order mark, CR LF, quotes where needed
Book WebAddressBookUtf8();     // no mark, LF, two fax columns
Book MailProgramCsv();         // Big5, every field quoted, addresses over several lines
Book SpreadsheetUnicodeText(); // UTF-16LE with mark, tab-separated, a note over two lines
Book SemicolonCsv();           // Big5, semicolons, decimal commas in the rows
Book SpreadsheetNameList();    // Big5 typed in a spreadsheet: 姓名, numbers in full width
Book ChineseMailExport();      // Big5, given and family names, an address with quotes over lines
Book EnglishMailExport();      // UTF-8 with mark, First/Middle/Last Name, several fax columns
Book WebAddressBookTypes();    // UTF-8, Phone N - Type and - Value, listed numbers
Book WebAddressBookLabels();   // UTF-8 with mark, Phone N - Label and - Value, company names
Book MacSpreadsheetCsv();      // Big5, carriage returns only

std::vector<Book> AllBooks();

// Names a book in test output.
void PrintTo(const Book& book, std::ostream* out);

} // namespace export_books
