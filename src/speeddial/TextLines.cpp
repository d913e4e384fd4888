#include "speeddial/TextLines.h"

#include "platform/MemoryShortage.h"
#include "text/ByteSearch.h"

#include <algorithm>
#include <cstring>

bool TextLines::Cut(char* text, std::size_t size) {
    lines_.clear();
    const std::size_t lineFeeds = CountByte(text, size, '\n');
    if (!CompletedWithMemory([&] { lines_.reserve(lineFeeds + 1); }))
        return false;
    char* start = text;
    char* const end = text + size;
    lines_.push_back(start);
    while (start < end) {
        char* lineFeed =
            static_cast<char*>(std::memchr(start, '\n', static_cast<std::size_t>(end - start)));
        if (!lineFeed)
            break;
        if (lineFeed != text && lineFeed[-1] == '\r')
            lineFeed[-1] = '\0';
        else
            *lineFeed = '\0';
        start = lineFeed + 1;
        lines_.push_back(start);
    }
    return true;
}
