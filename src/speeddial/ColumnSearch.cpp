#include "speeddial/ColumnSearch.h"

#include "text/ByteSearch.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

// A column so far right that no split line reaches it; keeps the count within int.
constexpr std::size_t kColumnBeyondEveryLine = 1u << 20;

int ColumnOf(std::string_view line, std::size_t openingComma) {
    const std::size_t commas = CountByte(line.data(), std::min(openingComma, line.size()), ',') + 1;
    return static_cast<int>(std::min(commas, kColumnBeyondEveryLine));
}

} // namespace

int FindFaxColumn(const char* titleLine) {
    if (!titleLine)
        return -1;
    const std::string_view line(titleLine);
    const std::size_t match = line.find(",MFFAX,");
    return match == std::string_view::npos ? -1 : ColumnOf(line, match);
}

int FindEncodedColumn(const char* titleLine) {
    if (!titleLine)
        return -1;
    constexpr std::string_view kTitle = ",MFENCSTR";
    const std::string_view line(titleLine);
    const std::size_t match = line.find(kTitle);
    if (match == std::string_view::npos)
        return -1;
    const std::size_t after = match + kTitle.size();
    if (after < line.size() && line[after] != ',')
        return -1;
    return ColumnOf(line, match);
}
