#include "csv/CsvLines.h"

#include "text/ByteSearch.h"

#include <new>

bool CsvLines::Cut(char* content, std::size_t size) {
    std::size_t ends = CountByte(content, size, '\n');
    const char lineEnd = ends > 0 ? '\n' : '\r';
    if (ends == 0)
        ends = CountByte(content, size, '\r');
    const std::size_t count = ends + 1;
    lines_.reset(new (std::nothrow) char*[count]);
    if (!lines_) {
        count_ = 0;
        return false;
    }
    count_ = count;
    char** next = lines_.get();
    char* start = content;
    ForEachByte(content, size, lineEnd, [&](std::size_t position) {
        char* found = content + position;
        *next++ = start;
        const bool crBefore = lineEnd == '\n' && found > start && found[-1] == '\r';
        (crBefore ? found[-1] : *found) = '\0';
        start = found + 1;
    });
    *next = start;
    return true;
}

std::size_t CsvLines::HeaderIndex() const {
    std::size_t index = 0;
    while (index + 1 < count_ && *lines_[index] == '\0')
        ++index;
    return index;
}
