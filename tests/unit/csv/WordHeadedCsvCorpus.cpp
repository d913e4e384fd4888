#include "WordHeadedCsvCorpus.h"

#include "CsvTestSupport.h"
#include "ExportBooks.h"

#include <cstdint>
#include <random>
#include <set>

namespace {

enum class Encoding { Big5, Utf8WithMark, Utf8, Utf16LittleEndian, Utf16BigEndian };

// Writes each file in UTF-8 and encodes it last. A fax field, and the last column's field
// (the fax column the column script chooses), holds ASCII only; no quote stands inside a quoted
// field that spans lines.
class Generator {
  public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    std::string File() {
        encoding_ = PickEncoding();
        separator_ = Below(5) == 0 ? (Below(2) == 0 ? ';' : '\t') : ',';
        lineEnd_ = Below(3) == 0 ? "\r\n" : "\n";
        std::string text;
        for (int empty = Below(4) == 0 ? Below(3) + 1 : 0; empty > 0; --empty)
            text += lineEnd_;        // a carriage return alone would make a header line
        text += Header() + lineEnd_; // a carriage return would stay in the last header word
        for (int rows = Below(20); rows > 0; --rows)
            text += Row() + LineEnd();
        switch (Below(8)) {
        case 0:
            text += Row(); // no line end after the last row
            break;
        case 1:
            text += std::string(1, separator_) + "\"open " + Word() + LineEnd() + Word();
            break;
        default:
            break;
        }
        return Encode(text);
    }

  private:
    int Below(int bound) { return static_cast<int>(random_() % static_cast<std::uint32_t>(bound)); }

    Encoding PickEncoding() {
        const int pick = Below(20);
        if (pick < 10)
            return Encoding::Big5;
        if (pick < 13)
            return Encoding::Utf8WithMark;
        if (pick < 16)
            return Encoding::Utf8;
        return pick < 18 ? Encoding::Utf16LittleEndian : Encoding::Utf16BigEndian;
    }

    std::string Encode(const std::string& utf8) const {
        switch (encoding_) {
        case Encoding::Big5:
            return export_books::ToBig5(utf8);
        case Encoding::Utf8WithMark:
            return "\xEF\xBB\xBF" + utf8;
        case Encoding::Utf8:
            return utf8;
        case Encoding::Utf16LittleEndian:
            return "\xFF\xFE" + export_books::ToUtf16(utf8, true);
        case Encoding::Utf16BigEndian:
            return "\xFE\xFF" + export_books::ToUtf16(utf8, false);
        }
        return utf8;
    }

    std::string LineEnd() {
        // A carriage return before the line end stays in the line.
        return Below(10) == 0 ? "\r" + lineEnd_ : lineEnd_;
    }

    // Header words of this and other phone books; none holds a separator or a quote.
    std::string Header() {
        static const char* const kOthers[] = {
            "姓名",    "全名",      "名字",         "姓氏",     "中間名",         "公司",
            "編號",    "電話",      "地址",         "備註",     "Name",           "First Name",
            "Company", "Last Name", "Business Fax", "Home Fax", "Phone 1 - Type", "Phone 1 - Value",
            " 名稱",   "名稱1",     "Display Name", "fax",      "E-mail Address"};
        static const char* const kFaxWords[] = {"傳真", "公司傳真", "傳真號碼", "住家傳真",
                                                "商務傳真"};
        const int columns = Below(6) + 2;
        columns_ = columns;
        const int nameAt = Below(columns);
        int faxAt = Below(columns - 1);
        faxAt += faxAt >= nameAt;
        faxColumns_.clear();
        std::string header;
        for (int column = 0; column < columns; ++column) {
            std::string word;
            if (column == nameAt) {
                word = Below(5) == 0 ? "\"名稱\"" : "名稱";
            } else if (column == faxAt || Below(5) == 0) {
                word = kFaxWords[Below(static_cast<int>(std::size(kFaxWords)))];
                faxColumns_.insert(column);
            } else {
                word = kOthers[Below(static_cast<int>(std::size(kOthers)))];
                // A header field over two lines, after the first: the header's first line
                // decides the separator.
                if (column > 0 && Below(10) == 0)
                    word = "\"" + word + lineEnd_ + "2\"";
            }
            header += (column > 0 ? std::string(1, separator_) : "") + word;
        }
        faxColumns_.insert(columns - 1);
        return header;
    }

    std::string Word() {
        static const char* const kWords[] = {"王小明",
                                             "李美玲",
                                             "陳大同",
                                             "林志明",
                                             "黃建宏",
                                             "許功蓋",
                                             "業務部",
                                             "台北市信義區",
                                             "股份有限公司",
                                             "（公司）",
                                             "奭",
                                             "碁",
                                             "Ann",
                                             "Chen Ann",
                                             "０２－２７００",
                                             "一二三四五六七八九十甲乙丙丁戊己"};
        static const char* const kUnicodeOnly[] = {"Émile", "José", "📠"};
        if (encoding_ != Encoding::Big5 && Below(8) == 0)
            return kUnicodeOnly[Below(static_cast<int>(std::size(kUnicodeOnly)))];
        return kWords[Below(static_cast<int>(std::size(kWords)))];
    }

    std::string Number() {
        static const char kPieces[] = "0123456789 -()+#*/.extABC[]{}|~!@";
        std::string number;
        for (int count = Below(Below(5) == 0 ? 40 : 14) + 1; count > 0; --count)
            number += kPieces[Below(sizeof kPieces - 1)];
        return number;
    }

    std::string Name() {
        switch (Below(6)) {
        case 0:
            return "";
        case 1:
            return "[" + Word() + "] " + Word();
        case 2:
            return std::string(Below(3), ' ') + Word() + " " + Word() + std::string(Below(3), ' ');
        default:
            return Word();
        }
    }

    // A field in the given column: ASCII in fax columns, any text elsewhere.
    std::string Field(int column) {
        const bool fax = faxColumns_.count(column) != 0;
        std::string text = fax ? Number() : Name();
        switch (Below(10)) {
        case 0:
            return "\"" + text + std::string(1, separator_) + (fax ? Number() : Name()) + "\"";
        case 1:
            return "\"" + text + "\"\"" + (fax ? Number() : Name()) + "\"\"\"";
        case 2: // over several lines, with no quote inside
            return "\"" + text + LineEnd() + (fax ? Number() : Name()) + lineEnd_ + "\"";
        case 3:
            return "\"" + text + "\"junk";
        case 4:
            return fax ? text + "\"x" : "\"" + text + "\"";
        default:
            return text;
        }
    }

    std::string Row() {
        if (Below(10) == 0)
            return Below(2) == 0 ? "" : " ";
        std::string row;
        const int fields = Below(columns_ + 2) + 1;
        for (int column = 0; column < fields; ++column)
            row += (column > 0 ? std::string(1, separator_) : "") + Field(column);
        return row;
    }

    std::mt19937 random_;
    Encoding encoding_ = Encoding::Big5;
    char separator_ = ',';
    std::string lineEnd_ = "\n";
    int columns_ = 0;
    std::set<int> faxColumns_;
};

} // namespace

std::vector<CorpusFile> WordHeadedCsvCorpus() {
    std::vector<CorpusFile> corpus;
    Generator generator(20250214);
    for (int file = 0; file < 300; ++file)
        corpus.push_back({"word-headed-" + std::to_string(file), generator.File()});
    return corpus;
}
