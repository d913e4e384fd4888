#include "speeddial/Numbers.h"

#include <limits>

namespace {

constexpr int64_t kMaximum = std::numeric_limits<int32_t>::max();

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

bool IsBlank(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
           byte == '\r';
}

// Adds one digit, staying at the bound once it is passed.
int64_t Accumulate(int64_t value, char digit) {
    value = value * 10 + (digit - '0');
    return value > kMaximum + 1 ? kMaximum + 1 : value;
}

} // namespace

int32_t DigitValue(std::string_view text) {
    int64_t value = 0;
    for (const char byte : text) {
        if (!IsDigit(byte))
            return 0;
        value = Accumulate(value, byte);
    }
    return static_cast<int32_t>(value > kMaximum ? kMaximum : value);
}

int32_t LeadingDecimalValue(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int64_t value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        value = Accumulate(value, text[at]);
    if (negative)
        return static_cast<int32_t>(-value); // down to the 32-bit minimum
    return static_cast<int32_t>(value > kMaximum ? kMaximum : value);
}
