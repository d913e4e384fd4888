// Contacts shaped like the vCard exports of phones, web address books and mail programs, with
// what the import should make of them. Shared by the unit and end-to-end tests.
#pragma once

#include "ExportBooks.h"

#include <string>
#include <vector>

namespace vcard_books {

// Quoted-printable bytes as 2.1 writers give them: "=XX" for every byte above 0x7E, "=" and
// ";" (structured values keep their separators raw), soft line breaks before 76 characters.
std::string QuotedPrintable(const std::string& bytes);

// A content line folded every 75 bytes with CR LF and a space, where a multi-byte character may
// fall across the fold.
std::string Folded(const std::string& line);

// Each book's `found` is what both import types give; it has no header fields.
export_books::Book PhoneExport();          // 3.0, CR LF, folded lines, a photo, full-width digits
export_books::Book WebAddressBookExport(); // 3.0, LF, grouped numbers with labels, quoted types
export_books::Book MailProgramCards();     // 2.1, quoted-printable Big5 and UTF-8, bare types
export_books::Book Version4Cards();        // 4.0, tel: URIs

std::vector<export_books::Book> AllBooks();

} // namespace vcard_books
