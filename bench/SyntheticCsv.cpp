#include "SyntheticCsv.h"

#include <cstdint>

namespace {

// Same bytes on every run: a small linear congruential generator.
class Random {
  public:
    std::uint32_t Next(std::uint32_t bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33) % bound;
    }

  private:
    std::uint64_t state_ = 42;
};

const char* const kBig5Names[] = {
    "\xA4\xFD\xA4\x70\xA9\xFA", // 王小明
    "\xB3\xAF\xA4\x6A\xA4\xE5", // 陳大文
    "\xAA\x4C\xAC\xFC\xC4\x52", // 林美麗
    "\xA4\x5B\xA4\x5D",         // 久也: second bytes [ and ]
};
const char* const kLatinNames[] = {"Chen, Ann", "Lin \"Mei\" Feng", "Wang Xiao-Ming", "Huang"};
const char* const kFaxFormats[] = {"(0%d) %d-%d", "+886-%d-%d %d", "0%d %d %d ext.%d", "%d%d"};

void AppendNumber(std::string& line, std::uint32_t value) {
    line += std::to_string(value);
}

void AppendQuoted(std::string& line, const char* text) {
    line += '"';
    for (const char* c = text; *c; ++c) {
        if (*c == '"')
            line += '"';
        line += *c;
    }
    line += '"';
}

void AppendFax(std::string& line, Random& random) {
    const char* format = kFaxFormats[random.Next(4)];
    for (const char* c = format; *c; ++c) {
        if (c[0] == '%' && c[1] == 'd') {
            AppendNumber(line, 1 + random.Next(99999));
            ++c;
        } else {
            line += *c;
        }
    }
}

} // namespace

std::string MakeSyntheticCsv(std::size_t minimumBytes) {
    std::string csv = "\xA6\x57\xBA\xD9,\xB6\xC7\xAF\x75,\xB9\x71\xB8\xDC,Company,Memo\r\n";
    csv.reserve(minimumBytes + 256);
    Random random;
    std::string line;
    while (csv.size() < minimumBytes) {
        line.clear();
        if (random.Next(2) == 0)
            line += kBig5Names[random.Next(4)];
        else
            AppendQuoted(line, kLatinNames[random.Next(4)]);
        line += ',';
        const bool quotedFax = random.Next(3) == 0;
        if (quotedFax)
            line += '"';
        AppendFax(line, random);
        if (quotedFax)
            line += '"';
        line += ",02-";
        AppendNumber(line, random.Next(100000000));
        line += ",Example Trading Co.,";
        if (random.Next(4) == 0)
            AppendQuoted(line, "call first, then fax");
        line += "\r\n";
        csv += line;
    }
    return csv;
}
