#include "csv/CsvLines.h"

#include <cstring>
#include <new>

namespace {

std::size_t CountBytes(const char* content, std::size_t size, char wanted) {
    std::size_t count = 0;
    const char* end = content + size;
    for (const char* p = content; (p = static_cast<const char*>(std::memchr(p, wanted, end - p)));
         ++p)
        ++count;
    return count;
}

} // namespace

bool CsvLines::Cut(char* content, std::size_t size) {
    std::size_t ends = CountBytes(content, size, '\n');
    const char lineEnd = ends > 0 ? '\n' : '\r';
    if (ends == 0)
        ends = CountBytes(content, size, '\r');
    const std::size_t count = ends + 1;
    lines_.reset(new (std::nothrow) char*[count]);
    if (!lines_) {
        count_ = 0;
        return false;
    }
    count_ = count;
    char* const end = content + size;
    char* start = content;
    for (std::size_t index = 0; index + 1 < count; ++index) {
        char* found = static_cast<char*>(std::memchr(start, lineEnd, end - start));
        lines_[index] = start;
        const bool crBefore = lineEnd == '\n' && found > start && found[-1] == '\r';
        (crBefore ? found[-1] : *found) = '\0';
        start = found + 1;
    }
    lines_[count - 1] = start;
    return true;
}

std::size_t CsvLines::HeaderIndex() const {
    std::size_t index = 0;
    while (index + 1 < count_ && *lines_[index] == '\0')
        ++index;
    return index;
}
