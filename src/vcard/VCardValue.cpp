#include "vcard/VCardValue.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::size_t DecodeQuotedPrintable(char* text, std::size_t size) {
    std::size_t written = 0;
    for (std::size_t read = 0; read < size; ++read) {
        if (text[read] == '=' && read + 1 == size)
            break; // a soft line break at the end
        if (text[read] == '=' && size - read > 2) {
            const int high = HexValue(text[read + 1]);
            const int low = HexValue(text[read + 2]);
            if (high >= 0 && low >= 0) {
                text[written++] = static_cast<char>(high << 4 | low);
                read += 2;
                continue;
            }
        }
        text[written++] = text[read];
    }
    return written;
}

bool ValueComponents::Next(std::string_view& component) {
    if (done_)
        return false;
    char* start = read_;
    char* write = read_;
    while (read_ < end_) {
        const auto byte = static_cast<unsigned char>(*read_);
        if (leads_ && (*leads_)[byte] && read_ + 1 < end_) {
            *write++ = *read_++;
            *write++ = *read_++;
            continue;
        }
        if (byte == ';' && split_) {
            ++read_;
            component = std::string_view(start, static_cast<std::size_t>(write - start));
            return true;
        }
        if (byte == '\\' && read_ + 1 < end_) {
            const char next = read_[1];
            if (next == ',' || next == ';' || next == '\\' || next == 'n' || next == 'N') {
                *write++ = next == 'n' || next == 'N' ? ' ' : next;
                read_ += 2;
                continue;
            }
        }
        *write++ = byte == '\r' || byte == '\n' ? ' ' : *read_;
        ++read_;
    }
    done_ = true;
    component = std::string_view(start, static_cast<std::size_t>(write - start));
    return true;
}
