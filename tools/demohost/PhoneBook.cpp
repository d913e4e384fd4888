#include "PhoneBook.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kRecipientSize = 62;
constexpr std::size_t kSpeedDialSize = 236;

std::string Text(const char* field, std::size_t width) {
    return std::string(field, strnlen(field, width));
}

int32_t Int32(const char* at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(at[i]);
    return static_cast<int32_t>(value);
}

std::string SpeedDialLine(const char* record) {
    std::string line = Text(record, 31) + "\t" + Text(record + 31, 31);
    line += "\tmode " + std::to_string(Int32(record + 64));
    const char transmitType = record[68];
    line += "\ttype " + (transmitType ? std::string(1, transmitType) : std::string("NUL"));
    if (const int32_t number = Int32(record + 188))
        line += "\tspeed dial " + std::to_string(number);
    if (record[69])
        line += "\tbox " + Text(record + 69, 4) + ":" + Text(record + 73, 5);
    if (record[80]) {
        line += "\trelay " + Text(record + 80, 3) + (record[83] == '1' ? " P" : "");
        const int32_t targets = Int32(record + 84);
        for (int32_t i = 0; i < targets && i < 20; ++i)
            line += (i ? "/" : " ") + std::string(record + 88 + 3 * i, 3);
    }
    if (record[192])
        line += "\tF-code " + Text(record + 192, 21) + ":" + Text(record + 213, 21);
    return line;
}

} // namespace

PhoneBook ReadExchangeFile(const std::string& bytes, int command) {
    PhoneBook book;
    if (bytes.size() < 4) {
        book.problem = "no result file";
        return book;
    }
    const int32_t count = Int32(bytes.data());
    const std::size_t size = command == kSpeedDialCommand ? kSpeedDialSize : kRecipientSize;
    if (count < 0 || bytes.size() != 4 + size * static_cast<std::size_t>(count)) {
        book.problem = "the file's size does not match its count of " + std::to_string(count);
        return book;
    }
    for (int32_t i = 0; i < count; ++i) {
        const char* record = bytes.data() + 4 + size * static_cast<std::size_t>(i);
        book.lines.push_back(command == kSpeedDialCommand
                                 ? SpeedDialLine(record)
                                 : Text(record, 31) + "\t" + Text(record + 31, 31));
    }
    return book;
}
