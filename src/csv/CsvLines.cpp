#include "csv/CsvLines.h"

#include <cstring>
#include <new>

namespace {

std::size_t CountLineFeeds(const char* content, std::size_t size) {
    std::size_t count = 0;
    const char* end = content + size;
    for (const char* p = content; (p = static_cast<const char*>(std::memchr(p, '\n', end - p)));
         ++p)
        ++count;
    return count;
}

} // namespace

bool CsvLines::Cut(char* content, std::size_t size) {
    const std::size_t count = CountLineFeeds(content, size) + 1;
    lines_.reset(new (std::nothrow) char*[count]);
    if (!lines_) {
        count_ = 0;
        return false;
    }
    count_ = count;
    char* const end = content + size;
    char* start = content;
    for (std::size_t index = 0; index + 1 < count; ++index) {
        char* lineFeed = static_cast<char*>(std::memchr(start, '\n', end - start));
        lines_[index] = start;
        const bool crBefore = lineFeed > start && lineFeed[-1] == '\r';
        (crBefore ? lineFeed[-1] : *lineFeed) = '\0';
        start = lineFeed + 1;
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
