#include "vcard/VCardLines.h"

#include "vcard/VCardProperty.h"

#include <cstring>

bool VCardLines::CopyPhysicalLine() {
    const char* stop = read_;
    while (stop < end_ && *stop != '\n' && *stop != '\r')
        ++stop;
    const std::size_t length = static_cast<std::size_t>(stop - read_);
    if (write_ != read_)
        std::memmove(write_, read_, length);
    write_ += length;
    read_ = stop;
    if (read_ == end_)
        return false;
    if (*read_++ == '\r' && read_ < end_ && *read_ == '\n')
        ++read_;
    return true;
}

bool VCardLines::NextStartsWith(std::string_view text) const {
    const std::size_t left = static_cast<std::size_t>(end_ - read_);
    return left >= text.size() && EqualsIgnoringCase({read_, text.size()}, text);
}

bool VCardLines::Next(std::string_view& line) {
    if (read_ >= end_)
        return false;
    char* start = write_;
    for (;;) {
        const char* physicalStart = write_;
        if (!CopyPhysicalLine() || read_ == end_)
            break;
        if (*read_ == ' ' || *read_ == '\t') {
            ++read_; // a folded line: the break and one blank go
            continue;
        }
        // A soft line break joins the next line as it is, unless a card begins or ends there.
        const std::string_view sofar(start, static_cast<std::size_t>(write_ - start));
        if (write_ > physicalStart && write_[-1] == '=' && IsQuotedPrintableLine(sofar) &&
            !NextStartsWith("END:VCARD") && !NextStartsWith("BEGIN:VCARD")) {
            --write_;
            continue;
        }
        break;
    }
    line = std::string_view(start, static_cast<std::size_t>(write_ - start));
    return true;
}

bool IsQuotedPrintableLine(std::string_view line) {
    const VCardProperty property = ParseProperty(line);
    return property.valid && ValueEncoding(property) == VCardEncoding::QuotedPrintable;
}
