#include "Big5CsvCorpus.h"

#include "CsvTestSupport.h"

#include <cstdint>
#include <random>

namespace {

// The files of the reader's unit tests and of the end-to-end CSV tests, byte for byte.
void AddListedFiles(std::vector<CorpusFile>& corpus) {
    auto add = [&](const std::string& name, const std::string& bytes) {
        corpus.push_back({name, bytes});
    };
    add("found-columns", Big5("編號,名稱,傳真\r\n"
                              "1,王小明,(02) 2700-1234\r\n"
                              "2,[總務] 李美玲,02-2700-5678 ext.9\r\n"
                              "3,陳大同,0227009999\r\n"));
    add("two-fax-columns", Big5("編號,名稱,傳真號碼,公司傳真\n1,王小明,111,222\n2,李美玲,333\n"));
    add("name-with-space", Big5(" 名稱,傳真\nA,1\n"));
    add("name-with-digit", Big5("名稱1,傳真\nA,2\n"));
    add("second-name-column", Big5("傳真,名稱,名稱\n1,A,B\n"));
    add("quoted-header", Big5("\"名稱\",\"家用傳真\"\n\"A, B\",\"1\"\n"));
    add("empty-lines", Big5("\n\r\n\n名稱,傳真\n\nA,1\r\n\r\n\nB,2\n\n"));
    add("rows-without-number", Big5("名稱,傳真\nA,abc\nB,\nC\nD,--\n"));
    const std::string thirty(30, '7');
    add("long-numbers",
        Big5("名稱,傳真,公司傳真\nA," + thirty + "1,\nB," + thirty + "1\nC," + thirty +
             "   \nD,1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 "
             "5 6 7 8 9 0 1,9\n"));
    const std::string even = "一二三四五六七八九十甲乙丙丁戊己庚辛壬癸";
    add("long-names", Big5("名稱,傳真\n" + even + ",1\nA" + even + ",2\n"));
    add("bracket-trail-byte", Big5("名稱,傳真\n") + "  [\xBC\x5D] x  ,1\n");
    add("no-final-line-feed", Big5("名稱,傳真\r\nA,1\r\nB,2"));
    add("header-on-last-line", Big5("\n\n名稱,傳真"));
    add("chosen-columns", "\"Fax\", Phone ,Who\n111,222,A\n333\n444,555,B,extra\n");
    add("short-row", "a,b\n1,2\n3\n");
    add("no-header-words", Big5("王小明,0227001234\n李美玲,0227005678\n"));
    add("only-line-feeds", "\n\n\n");
    add("only-line-ends", "\r\n\n\r\n");
    std::string many = Big5("名稱,傳真\n");
    for (int row = 0; row < 250; ++row)
        many += "R" + std::to_string(row) + "," + std::to_string(row) + "\n";
    add("250-rows", many);
    add("empty", "");
    add("no-fax-word", Big5("名稱,電話\nA,1\n"));
    add("no-number", Big5("名稱,傳真\nA,\nB\n\n"));
    add("one-field", "x\n");
    add("carriage-returns", "\r\r\r\r");
    add("unclosed-header-quote", Big5("名稱,\"傳真\n1,2\n"));
    add("unclosed-row-quote", Big5("名稱,傳真\nA,1\nB,\"2\nC,3\n"));
    add("unclosed-last-line-quote", Big5("名稱,傳真\nA,1\n\"B"));
    std::string header;
    std::string row;
    for (int field = 0; field < 1100; ++field) {
        header += (field == 1023 ? std::string("傳真") : "f" + std::to_string(field)) + ",";
        row += std::to_string(field) + ",";
    }
    add("1100-fields", Big5(header + "\n" + row + "\n"));
    std::string late = header;
    late.replace(late.find("傳真"), std::string("傳真").size(), "x");
    add("fax-word-after-1024", Big5(late + "傳真\n" + row + "\n"));
    static const char kZeros[] = "A,1\0,junk\n\0B,2\nC\0,3\nD,4\n";
    add("zero-bytes", Big5("名稱,傳真\n") + std::string(kZeros, sizeof kZeros - 1));
    const std::string huge(10 * 1024 * 1024, 'x');
    add("10-mb-row", Big5("名稱,傳真\n") + huge + ",1\nB,2\n");

    // The end-to-end tests' books.
    const std::string wang = "\xa4\xfd\xa4j\xa9\xfa";
    add("e2e-header-words",
        Big5("名稱,Company,傳真,Home傳真\r\n") + wang +
            ",Acme,(02) 2700-0101,02-2700-0102\r\nLee [HQ],Globex,03 555 0301,\r\n"
            "No Fax,Initech,,\r\nChen,\"Umbrella, Ltd\",04-2222-3333");
    add("e2e-chosen-columns", "Who,Where,Number\r\nAnn,Taipei,0211\r\nBob,Tainan,0622\r\n");
    std::string limited = Big5("名稱,傳真\n");
    for (int row = 0; row < 205; ++row)
        limited += "N" + std::to_string(row) + "," + std::to_string(1000 + row) + "\n";
    add("e2e-205-rows", limited);
    add("e2e-no-fax-column", "Name,Phone\r\nAnn,0211\r\n");
    add("e2e-unclosed-quote", Big5("名稱,傳真\r\nAnn,\"0211\r\n"));

    // Big5 whose bytes also form valid UTF-8 (矇 C3 A9, 纂 C4 A1, 苳 D0 A4, 狊 CF BE).
    add("big5-valid-utf8", Big5("Name,Fax\r\n矇纂苳,02-1234\r\n狊,5678\r\n"));
    add("big5-valid-utf8-only-row", Big5("Name,Fax\n矇纂,1\n"));
    // Semicolons and tabs beside a comma in the header.
    add("comma-with-semicolons-and-tabs", Big5("名稱;x,傳真\tY;Z\nA;1,2\t3\n\"B;\t\",4;5\n"));
    add("comma-inside-quotes-only", Big5("\"名稱,x\";傳真\nA;1\n"));

    add("example-header-words", ExampleBytes("phonebook-header-words.csv"));
    add("example-plain-header", ExampleBytes("phonebook-plain-header.csv"));
}

// Seeded files with the shapes real Big5 phone books and the earlier tests have. Every quote
// that a line leaves open is in the file's last non-empty line with no quote after it.
class Generator {
  public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    std::string File() {
        std::string text;
        for (int empty = Below(4) == 0 ? Below(3) + 1 : 0; empty > 0; --empty)
            text += LineEnd();
        const int columns = Below(5) + 2;
        text += Header(columns) + LineEnd();
        const int rows = Below(25);
        for (int row = 0; row < rows; ++row)
            text += Row(columns) + LineEnd();
        if (Below(6) == 0)
            text += Row(columns); // no final line break
        if (Below(12) == 0)
            text += ",\"open" + Big5Word() + " to the end";
        return text;
    }

  private:
    int Below(int bound) { return static_cast<int>(random_() % static_cast<std::uint32_t>(bound)); }

    std::string LineEnd() {
        switch (Below(10)) {
        case 0:
            return "\r\r\n";
        case 1:
        case 2:
        case 3:
        case 4:
            return "\r\n";
        default:
            return "\n";
        }
    }

    std::string Big5Word() {
        static const char* const kWords[] = {
            "王小明",       "李美玲", "陳大同", "林志明", "黃建宏",
            "業務部",       "總務",   "許功蓋", "奭",     "台北市信義區",
            "股份有限公司", "傳真",   "名稱",   "矇纂苳", "—"};
        if (Below(4) == 0) {
            // Any lead byte with any trail byte, assigned or not: the reader works on bytes.
            std::string pairs;
            for (int count = Below(20) + 1; count > 0; --count) {
                pairs += static_cast<char>(0xA4 + Below(0xF9 - 0xA4 + 1));
                const int trail = Below(63 + 94);
                pairs += static_cast<char>(trail < 63 ? 0x40 + trail : 0xA1 + trail - 63);
            }
            return pairs;
        }
        return Big5(kWords[Below(static_cast<int>(std::size(kWords)))]);
    }

    std::string AsciiWord() {
        static const char kLetters[] = "abcXYZ [];\t|~{}\r-";
        std::string word;
        for (int count = Below(12) + 1; count > 0; --count)
            word += kLetters[Below(sizeof kLetters - 1)];
        return word;
    }

    std::string Number() {
        static const char kPieces[] = "0123456789 -()+#*/.ext";
        std::string number;
        for (int count = Below(Below(5) == 0 ? 40 : 14) + 1; count > 0; --count)
            number += kPieces[Below(sizeof kPieces - 1)];
        return number;
    }

    std::string Plain() {
        switch (Below(7)) {
        case 0:
            return "";
        case 1:
            return AsciiWord();
        case 2:
        case 3:
            return Number();
        case 4:
            return "[" + Big5Word() + "] " + AsciiWord();
        case 5:
            return std::string(Below(3), ' ') + Big5Word() + Big5Word() +
                   std::string(Below(3), ' ');
        default:
            return Big5Word();
        }
    }

    // Quoted fields as the reader has always taken them: commas and doubled quotes inside,
    // text after the closing quote, quotes inside unquoted fields, a quote after spaces.
    std::string Field() {
        switch (Below(12)) {
        case 0:
            return "\"" + Plain() + "," + Plain() + "\"";
        case 1:
            return "\"" + Plain() + "\"\"" + Plain() + "\"\"\"";
        case 2:
            return "\"" + Plain() + "\"" + AsciiWord();
        case 3:
            return AsciiWord() + "\"" + Plain();
        case 4:
            return " \"" + Plain() + "\"";
        case 5:
            return "\"" + Plain() + "\"";
        case 6:
            if (Below(5) == 0)
                return std::string("A\0B", 3);
            return Plain();
        default:
            return Plain();
        }
    }

    std::string Header(int columns) {
        static const char* const kWords[] = {"名稱",     "傳真",         "編號",  "公司傳真",
                                             "傳真號碼", " 名稱",        "名稱1", "Name",
                                             "\"名稱\"", "\"家用傳真\"", "Fax;x", "地址\t"};
        std::string header;
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                header += ",";
            header +=
                Below(4) == 0 ? Field() : Big5(kWords[Below(static_cast<int>(std::size(kWords)))]);
        }
        return header;
    }

    std::string Row(int columns) {
        if (Below(8) == 0)
            return Below(2) == 0 ? "" : " ";
        std::string row;
        const int fields = Below(columns + 2) + 1;
        for (int field = 0; field < fields; ++field) {
            if (field > 0)
                row += ",";
            row += Field();
        }
        return row;
    }

    std::mt19937 random_;
};

} // namespace

std::vector<CorpusFile> Big5CsvCorpus() {
    std::vector<CorpusFile> corpus;
    AddListedFiles(corpus);
    Generator generator(20240601);
    for (int file = 0; file < 400; ++file)
        corpus.push_back({"generated-" + std::to_string(file), generator.File()});
    return corpus;
}
