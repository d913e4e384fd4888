#include "VCardBooks.h"

namespace vcard_books {
namespace {

using export_books::Book;
using export_books::ToBig5;

const char kHex[] = "0123456789ABCDEF";

// A photo's base64 value, long enough to fold many times.
std::string Photo() {
    std::string data;
    for (int i = 0; i < 40; ++i)
        data += "/9j/4AAQSkZJRgABAQEASABIAAD/2wBDAP";
    return data;
}

} // namespace

std::string QuotedPrintable(const std::string& bytes) {
    std::string encoded;
    std::size_t lineLength = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        std::string piece(1, c);
        if (byte > 0x7E || byte == '=')
            piece = {'=', kHex[byte >> 4], kHex[byte & 15]};
        if (lineLength + piece.size() > 73) {
            encoded += "=\r\n";
            lineLength = 0;
        }
        encoded += piece;
        lineLength += piece.size();
    }
    return encoded;
}

std::string Folded(const std::string& line) {
    std::string folded;
    for (std::size_t start = 0; start < line.size(); start += 75)
        folded += (start == 0 ? "" : "\r\n ") + line.substr(start, 75);
    return folded + "\r\n";
}

Book PhoneExport() {
    Book book;
    book.kind = "PhoneExport";
    book.bytes = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:王;小明;;;\r\nFN:王小明\r\n"
                 "TEL;TYPE=CELL:0912-345-678\r\nTEL;TYPE=WORK,FAX:(02) 2700-1234\r\n"
                 "END:VCARD\r\n"
                 "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Mei;;;\r\nFN:Mei Lee\r\n"
                 "ORG:誠品\\, 信義店;業務部\r\nTEL;TYPE=HOME:02-2345-6789\r\nEND:VCARD\r\n"
                 "BEGIN:VCARD\r\nVERSION:3.0\r\n" +
                 Folded("N:" + std::string(72, ' ') + "陳;大同;;;") + // the fold cuts 陳
                 Folded("NOTE:陳大同是業務部的同事，傳真請寄到公司，電話請打手機，週末不收傳真。") +
                 "TEL;TYPE=FAX;TYPE=HOME:+886 2 2700 9999\r\n"
                 "TEL;TYPE=FAX,WORK:０２－２７００－５６７８\r\n" +
                 Folded("PHOTO;ENCODING=b;TYPE=JPEG:" + Photo()) + "END:VCARD\r\n";
    book.found = {{"王小明 [(02)2700-1234]", "陳大同 [+886227009999]", "陳大同 [02-2700-5678]"}, 1};
    book.chosen = book.found;
    return book;
}

Book WebAddressBookExport() {
    Book book;
    book.kind = "WebAddressBookExport";
    book.bytes = "BEGIN:VCARD\nVERSION:3.0\nFN:Émile Zola\nN:Zola;Émile;;;\n"
                 "EMAIL;TYPE=INTERNET:emile@example.fr\n"
                 "item1.TEL:+33 1 4000 0000\nitem1.X-ABLabel:Bureau\n"
                 "item2.TEL;TYPE=WORK;TYPE=FAX:+33 1 4000 0001\nitem2.X-ABLabel:Fax\n"
                 "item3.ADR;TYPE=WORK:;;1 rue\\, Paris;;;;France\n"
                 "item3.X-ABLabel:Bureau\nLABEL;TYPE=WORK:1 rue\\, Paris\\nFrance\nEND:VCARD\n"
                 "BEGIN:VCARD\nVERSION:3.0\nFN:李美玲 [業務部]\nN:李;美玲;;;\n"
                 "TEL;TYPE=\"work,fax\":02-2700-5678\n"
                 "item1.TEL;type=fax;type=pref:02-2700-5679\nitem1.X-ABLabel:_$!<HomeFax>!$_\n"
                 "CATEGORIES:myContacts\nEND:VCARD\n"
                 "BEGIN:VCARD\nVERSION:3.0\nN:;;;;\nORG:Globex Corporation;Sales\n"
                 "TEL;TYPE=WORK,FAX:03 555 0301\nEND:VCARD\n";
    book.found = {{"?mile Zola [+33140000001]", "李美玲 (業務部) [02-2700-5678]",
                   "李美玲 (業務部) [02-2700-5679]", "Globex Corporation [035550301]"},
                  0};
    book.chosen = book.found;
    return book;
}

Book MailProgramCards() {
    Book book;
    book.kind = "MailProgramCards";
    book.bytes =
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=BIG5;ENCODING=QUOTED-PRINTABLE:" +
        QuotedPrintable(ToBig5("王;大明")) +
        "\r\nFN;CHARSET=BIG5;ENCODING=QUOTED-PRINTABLE:" + QuotedPrintable(ToBig5("王大明")) +
        "\r\nTEL;WORK;FAX:02-2700-0101\r\nTEL;HOME;VOICE:02-1111-2222\r\n"
        "ADR;WORK;CHARSET=BIG5;ENCODING=QUOTED-PRINTABLE:" +
        QuotedPrintable(ToBig5(";;台北市信義區松仁路一段一百號十二樓之三;台北市;;110;台灣")) +
        "\r\nEND:VCARD\r\n"
        // Big5 bytes as they are: 許, 功 and 蓋 end in the byte of a backslash.
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=BIG5:" +
        ToBig5("許;功蓋") + "\r\nTEL;FAX;HOME:03-555-0302\r\nEND:VCARD\r\n" +
        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" +
        QuotedPrintable("陳大同 (業務部)") +
        "\r\nTEL;FAX:04-2222-3333\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Initech;;;;\r\nTEL;WORK:05-111-2222\r\nEND:VCARD\r\n";
    book.found = {
        {"王大明 [02-2700-0101]", "許功蓋 [03-555-0302]", "陳大同 (業務部) [04-2222-3333]"}, 1};
    book.chosen = book.found;
    return book;
}

Book Version4Cards() {
    Book book;
    book.kind = "Version4Cards";
    book.bytes = "\xEF\xBB\xBF"
                 "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann Mei Lee\r\nN:Lee;Ann;Mei;Dr.;\r\n"
                 "TEL;VALUE=uri;TYPE=\"work,fax\":tel:+886-2-2700-0101\r\n"
                 "TEL;VALUE=uri;TYPE=fax,home:tel:+886-2-2700-0102;ext=12\r\n"
                 "TEL;VALUE=uri;TYPE=voice:tel:+886-912-345-678\r\nEND:VCARD\r\n"
                 "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Chen;Bo;;;\r\n"
                 "TEL;TYPE=fax:tel:02-2700-0103\r\nEND:VCARD\r\n";
    book.found = {{"Ann Mei Lee [+886-2-2700-0101]", "Ann Mei Lee [+886-2-2700-0102]",
                   "Bo Chen [02-2700-0103]"},
                  0};
    book.chosen = book.found;
    return book;
}

std::vector<Book> AllBooks() {
    return {PhoneExport(), WebAddressBookExport(), MailProgramCards(), Version4Cards()};
}

} // namespace vcard_books
