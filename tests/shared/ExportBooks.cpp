#include "ExportBooks.h"

#include "platform/CodePages.h"
#include "text/CodePageConversion.h"

#include <stdexcept>

namespace export_books {
namespace {

constexpr std::uint32_t kBig5 = 950;

std::u16string Wide(const std::string& utf8) {
    if (utf8.empty())
        return {};
    std::u16string wide(utf8.size(), u'\0');
    const int length =
        CodePageToWide(platform::kCodePageUtf8, platform::kMbErrInvalidChars, utf8.data(),
                       static_cast<int>(utf8.size()), wide.data(), static_cast<int>(wide.size()));
    if (length <= 0)
        throw std::runtime_error("not UTF-8: " + utf8);
    wide.resize(static_cast<std::size_t>(length));
    return wide;
}

const char* const kMark = "\xEF\xBB\xBF";

} // namespace

std::string ToUtf16(const std::string& utf8, bool littleEndian) {
    std::string bytes;
    for (const char16_t unit : Wide(utf8)) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

std::string ToBig5(const std::string& utf8) {
    const std::u16string wide = Wide(utf8);
    if (wide.empty())
        return {};
    std::string big5(wide.size() * 2, '\0');
    bool usedDefault = false;
    const int length =
        WideToCodePage(kBig5, 0, wide.data(), static_cast<int>(wide.size()), big5.data(),
                       static_cast<int>(big5.size()), nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        throw std::runtime_error("not Big5: " + utf8);
    big5.resize(static_cast<std::size_t>(length));
    return big5;
}

Book SpreadsheetCsvUtf8() {
    Book book;
    book.kind = "SpreadsheetCsvUtf8";
    book.bytes = kMark + std::string("名稱,公司,電話,傳真,電子郵件\r\n"
                                     "王小明,台灣科技股份有限公司,02-2700-0000,(02) 2700-1234,"
                                     "wang@example.com\r\n"
                                     "李美玲 [業務部],\"誠品, 信義店\",,02-2700-5678,\r\n"
                                     "陳大同,,0912-345-678,,\r\n"
                                     "\"林\"\"阿志\"\"\",台北,,+886 2 2700 9999,\r\n");
    book.headerFields = {"名稱", "公司", "電話", "傳真", "電子郵件"};
    book.nameColumn = 0;
    book.faxColumn = 3;
    book.found = {{"王小明 [(02)2700-1234]", "李美玲 (業務部) [02-2700-5678]", "陳大同 []",
                   "林\"阿志\" [+886227009999]"},
                  1};
    book.chosen = book.found;
    return book;
}

Book WebAddressBookUtf8() {
    Book book;
    book.kind = "WebAddressBookUtf8";
    book.bytes = "名稱,名字,姓氏,電子郵件,行動電話,商務傳真,住家傳真\n"
                 "王小明,小明,王,wang@example.com,0912-000-111,(02) 2700-1234,\n"
                 "Émile Zola,Émile,Zola,emile@example.fr,,+33 1 4000 0000,+33 1 4000 0001\n"
                 "\"李美玲 [業務部]\",美玲,李,,,02-2700-5678,02-2700-5679\n"
                 "林志明 📠,志明,林,,,,02-2700-9999\n";
    book.headerFields = {"名稱", "名字", "姓氏", "電子郵件", "行動電話", "商務傳真", "住家傳真"};
    book.nameColumn = 0;
    book.faxColumn = 6;
    // É and the fax machine are not in Big5: one default character stands for each.
    book.found = {{"王小明 [(02)2700-1234]", "王小明 []", "?mile Zola [+33140000000]",
                   "?mile Zola [+33140000001]", "李美玲 (業務部) [02-2700-5678]",
                   "李美玲 (業務部) [02-2700-5679]", "林志明 ? []", "林志明 ? [02-2700-9999]"},
                  0};
    book.chosen = {{"王小明 []", "?mile Zola [+33140000001]", "李美玲 (業務部) [02-2700-5679]",
                    "林志明 ? [02-2700-9999]"},
                   1};
    return book;
}

Book MailProgramCsv() {
    Book book;
    book.kind = "MailProgramCsv";
    book.bytes =
        ToBig5("\"名稱\",\"公司\",\"商務地址\",\"商務傳真\",\"商務電話\"\r\n"
               "\"王小明\",\"台灣科技\",\"台北市信義區\r\n信義路五段7號\r\n89樓\","
               "\"(02) 2700-1234\",\"02-2700-0000\"\r\n"
               "\"陳大同\",\"\",\"高雄市\r\n\"\"前鎮區\"\"\",\"\",\"07-123-4567\"\r\n"
               "\"李美玲 [業務部]\",\"誠品\",\"台北市\n松高路11號\",\"02-2700-5678\",\"\"\r\n");
    book.headerFields = {"名稱", "公司", "商務地址", "商務傳真", "商務電話"};
    book.nameColumn = 0;
    book.faxColumn = 3;
    // Each joined row is one row: 陳大同 is excluded once.
    book.found = {{"王小明 [(02)2700-1234]", "陳大同 []", "李美玲 (業務部) [02-2700-5678]"}, 1};
    book.chosen = book.found;
    return book;
}

Book SpreadsheetUnicodeText() {
    Book book;
    book.kind = "SpreadsheetUnicodeText";
    book.bytes = "\xFF\xFE" + ToUtf16("名稱\t部門\t傳真\t備註\r\n"
                                      "王小明\t業務部\t(02) 2700-1234\t\r\n"
                                      "李美玲\t\"總務, 採購\"\t02-2700-5678\t\"第一行\n第二行\"\r\n"
                                      "陳大同\t研發部\t\t無傳真\r\n",
                                      true);
    book.headerFields = {"名稱", "部門", "傳真", "備註"};
    book.nameColumn = 0;
    book.faxColumn = 2;
    book.found = {{"王小明 [(02)2700-1234]", "李美玲 [02-2700-5678]", "陳大同 []"}, 1};
    book.chosen = book.found;
    return book;
}

Book SemicolonCsv() {
    Book book;
    book.kind = "SemicolonCsv";
    book.bytes = ToBig5("名稱;公司;傳真;金額\r\n"
                        "王小明;\"台灣科技; 台北\";(02) 2700-1234;1,5\r\n"
                        "李美玲 [業務部];誠品;02-2700-5678;2,25\r\n");
    book.headerFields = {"名稱", "公司", "傳真", "金額"};
    book.nameColumn = 0;
    book.faxColumn = 2;
    book.found = {{"王小明 [(02)2700-1234]", "李美玲 (業務部) [02-2700-5678]"}, 0};
    book.chosen = book.found;
    return book;
}

Book SpreadsheetNameList() {
    Book book;
    book.kind = "SpreadsheetNameList";
    book.bytes = ToBig5("姓名,公司,傳真號碼\r\n"
                        "王小明,台灣科技,０２－２７００－１２３４\r\n"
                        "李美玲,誠品,02-2700-5678（公司）\r\n"
                        ",宏遠貿易,03-555-0301\r\n"
                        "陳大同,,\r\n");
    book.headerFields = {"姓名", "公司", "傳真號碼"};
    book.nameColumn = 0;
    book.faxColumn = 2;
    // Full-width digits and signs fold to ASCII; 公司 goes whole. A missing name is the company.
    book.found = {
        {"王小明 [02-2700-1234]", "李美玲 [02-2700-5678()]", "宏遠貿易 [03-555-0301]", "陳大同 []"},
        1};
    book.chosen = {
        {"王小明 [02-2700-1234]", "李美玲 [02-2700-5678()]", " [03-555-0301]", "陳大同 []"}, 1};
    return book;
}

Book ChineseMailExport() {
    Book book;
    book.kind = "ChineseMailExport";
    book.bytes = ToBig5("\"名字\",\"姓氏\",\"公司\",\"商務傳真\",\"住家傳真\",\"商務地址\"\r\n"
                        "\"小明\",\"王\",\"台灣科技\",\"(02) 2700-1234\",\"\","
                        "\"台北市信義路 \"\"A\"\" 棟\r\n5樓\"\r\n"
                        "\"Ann\",\"Lee\",\"Globex\",\"02-2700-5678\",\"02-2700-5679\",\"\"\r\n"
                        "\"John\",\"林\",\"\",\"\",\"0912-000-111\",\"\"\r\n"
                        "\"\",\"\",\"誠品\",\"02-2700-9999\",\"\",\"\"\r\n");
    book.headerFields = {"名字", "姓氏", "公司", "商務傳真", "住家傳真", "商務地址"};
    book.nameColumn = 0;
    book.faxColumn = 3;
    book.found = {{"王小明 [(02)2700-1234]", "王小明 []", "Ann Lee [02-2700-5678]",
                   "Ann Lee [02-2700-5679]", "林John []", "林John [0912-000-111]",
                   "誠品 [02-2700-9999]", "誠品 []"},
                  0};
    book.chosen = {{"小明 [(02)2700-1234]", "Ann [02-2700-5678]", "John []", " [02-2700-9999]"}, 1};
    return book;
}

Book EnglishMailExport() {
    Book book;
    book.kind = "EnglishMailExport";
    // A minus sign and a non-breaking hyphen in a number: not in Big5.
    book.bytes =
        kMark + std::string("First Name,Middle Name,Last Name,Company,Business Fax,"
                            "Home Fax,Other Fax,E-mail Address\r\n"
                            "Ann,Mei,Lee,Acme,+886 2 2700 1234,,,ann@example.com\r\n"
                            "Wang,,Xiaoming,\"Globex, Taipei\",,02\u22122700\u20115678,,\r\n"
                            ",,,Initech,02 2700 9999,,,\r\n"
                            "Bob,,,,,,(03) 555-0301,\r\n");
    book.headerFields = {"First Name",   "Middle Name", "Last Name", "Company",
                         "Business Fax", "Home Fax",    "Other Fax", "E-mail Address"};
    book.nameColumn = 0;
    book.faxColumn = 4;
    book.found = {{"Ann Mei Lee [+886227001234]", "Ann Mei Lee []", "Ann Mei Lee []",
                   "Wang Xiaoming []", "Wang Xiaoming [02-2700-5678]", "Wang Xiaoming []",
                   "Initech [0227009999]", "Initech []", "Initech []", "Bob []", "Bob []",
                   "Bob [(03)555-0301]"},
                  0};
    book.chosen = {{"Ann [+886227001234]", "Wang []", " [0227009999]", "Bob []"}, 2};
    return book;
}

Book WebAddressBookTypes() {
    Book book;
    book.kind = "WebAddressBookTypes";
    book.bytes = "Name,Given Name,Family Name,Phone 1 - Type,Phone 1 - Value,Phone 2 - Type,"
                 "Phone 2 - Value\n"
                 "王小明,小明,王,Work Fax,(02) 2700-1234 ::: (02) 2700-1235,Mobile,0912-000-111\n"
                 ",Ann,Lee,Mobile,0912-000-222,Home Fax,02\u20112700\u20115678\n"
                 "Émile Zola,Émile,Zola,Work,+33 1 4000 0000,,\n";
    book.headerFields = {"Name",           "Given Name",      "Family Name",
                         "Phone 1 - Type", "Phone 1 - Value", "Phone 2 - Type",
                         "Phone 2 - Value"};
    book.nameColumn = 0;
    book.faxColumn = 4;
    // Only the numbers of a fax type count; a list gives one candidate per number.
    book.found = {{"王小明 [(02)2700-1234]", "王小明 [(02)2700-1235]", "Ann Lee [02-2700-5678]"},
                  1};
    book.chosen = {
        {"王小明 [(02)2700-1234:::(02)2700-1235]", " [0912-000-222]", "?mile Zola [+33140000000]"},
        0};
    return book;
}

Book WebAddressBookLabels() {
    Book book;
    book.kind = "WebAddressBookLabels";
    book.bytes = kMark + std::string("First Name,Middle Name,Last Name,Organization Name,"
                                     "Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,"
                                     "Phone 2 - Value\r\n"
                                     "美玲,,李,誠品,Work Fax,02-2700-5678,Work,02-2700-5600\r\n"
                                     "Chen,,Ann,,Mobile,0912-000-333,,\r\n"
                                     ",,,Acme Taiwan,Fax,+886\u00A02\u00A02700\u202F9999 ::: "
                                     "+886 2 2700 9998,,\r\n");
    book.headerFields = {"First Name",        "Middle Name",     "Last Name",
                         "Organization Name", "Phone 1 - Label", "Phone 1 - Value",
                         "Phone 2 - Label",   "Phone 2 - Value"};
    book.nameColumn = 0;
    book.faxColumn = 5;
    book.found = {
        {"李美玲 [02-2700-5678]", "Acme Taiwan [+886227009999]", "Acme Taiwan [+886227009998]"}, 1};
    book.chosen = {
        {"美玲 [02-2700-5678]", "Chen [0912-000-333]", " [+886227009999:::+886227009998]"}, 0};
    return book;
}

Book MacSpreadsheetCsv() {
    Book book;
    book.kind = "MacSpreadsheetCsv";
    book.bytes = ToBig5("名稱,公司,傳真\r王小明,台灣科技,(02) 2700-1234\r李美玲,誠品,02-2700-5678\r"
                        "陳大同,,\r");
    book.headerFields = {"名稱", "公司", "傳真"};
    book.nameColumn = 0;
    book.faxColumn = 2;
    book.found = {{"王小明 [(02)2700-1234]", "李美玲 [02-2700-5678]", "陳大同 []"}, 1};
    book.chosen = book.found;
    return book;
}

std::vector<Book> AllBooks() {
    return {SpreadsheetCsvUtf8(),     WebAddressBookUtf8(), MailProgramCsv(),
            SpreadsheetUnicodeText(), SemicolonCsv(),       SpreadsheetNameList(),
            ChineseMailExport(),      EnglishMailExport(),  WebAddressBookTypes(),
            WebAddressBookLabels(),   MacSpreadsheetCsv()};
}

void PrintTo(const Book& book, std::ostream* out) {
    *out << book.kind;
}

} // namespace export_books
