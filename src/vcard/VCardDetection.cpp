#include "vcard/VCardDetection.h"

#include "vcard/VCardProperty.h"

#include <cstring>
#include <string_view>

std::size_t Utf8MarkLength(const char* content, std::size_t size) {
    return size >= 3 && std::memcmp(content, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
}

bool IsVCardContent(const char* content, std::size_t size) {
    std::size_t position = Utf8MarkLength(content, size);
    while (position < size && (content[position] == '\r' || content[position] == '\n'))
        ++position;
    std::size_t end = position;
    while (end < size && content[end] != '\r' && content[end] != '\n')
        ++end;
    return EqualsIgnoringCase(std::string_view(content + position, end - position), "BEGIN:VCARD");
}
