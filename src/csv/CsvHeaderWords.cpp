#include "csv/CsvHeaderWords.h"

#include "text/FieldHelpers.h"
#include "text/FixedTexts.h"
#include "text/TextViews.h"

#include <algorithm>
#include <array>

namespace {

using enum HeaderRole;

constexpr std::array kWords = {
    HeaderWord{WholeName, texts::kPersonNameWord},
    HeaderWord{WholeName, texts::kNameHeaderWord},
    HeaderWord{WholeName, texts::kFullNameWord},
    HeaderWord{WholeName, texts::kDisplayNameWord},
    HeaderWord{WholeName, texts::kContactWord},
    HeaderWord{WholeName, "Name"},
    HeaderWord{WholeName, "Full Name"},
    HeaderWord{WholeName, "Display Name"},
    HeaderWord{GivenName, texts::kGivenNameWord},
    HeaderWord{GivenName, "First Name"},
    HeaderWord{GivenName, "Given Name"},
    HeaderWord{MiddleName, texts::kMiddleNameWord},
    HeaderWord{MiddleName, "Middle Name"},
    HeaderWord{FamilyName, texts::kFamilyNameWord},
    HeaderWord{FamilyName, "Last Name"},
    HeaderWord{FamilyName, "Family Name"},
    HeaderWord{Company, texts::kCompanyWord},
    HeaderWord{Company, texts::kCompanyNameWord},
    HeaderWord{Company, "Company"},
    HeaderWord{Company, "Organization"},
    HeaderWord{Company, "Organization Name"},
    HeaderWord{Fax, texts::kFaxHeaderWord},
    HeaderWord{Fax, "fax"},
    HeaderWord{PhoneType, "Phone # - Type"},
    HeaderWord{PhoneLabel, "Phone # - Label"},
    HeaderWord{PhoneValue, "Phone # - Value"},
};

static_assert(std::is_sorted(kWords.begin(), kWords.end(),
                             [](const HeaderWord& a, const HeaderWord& b) {
                                 return a.role < b.role;
                             }),
              "each role's words follow those of the roles before it");

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether `text` starts with the ASCII `word`, letters without case; "#" takes the digits.
bool StartsWithAsciiWord(std::string_view text, std::string_view word, std::size_t& length,
                         std::string_view* number) {
    std::size_t at = 0;
    for (const char expected : word) {
        if (expected == '#') {
            const std::size_t digits = at;
            while (at < text.size() && IsDigit(text[at]))
                ++at;
            if (at == digits)
                return false;
            if (number)
                *number = text.substr(digits, at - digits);
            continue;
        }
        if (at == text.size() || LowerAscii(text[at]) != LowerAscii(expected))
            return false;
        ++at;
    }
    length = at;
    return true;
}

// Whether `text` may start with `word`: its first byte is the word's, letters without case. Most
// headers differ from most words there; "#" is left to the full comparison.
bool MayStartWith(std::string_view text, std::string_view word) {
    return word.empty() || word.front() == '#' ||
           (!text.empty() && LowerAscii(text.front()) == LowerAscii(word.front()));
}

} // namespace

std::span<const HeaderWord> HeaderWords() {
    return kWords;
}

std::span<const HeaderWord> HeaderWordsOf(HeaderRole first, HeaderRole last) {
    const auto begin = std::find_if(kWords.begin(), kWords.end(),
                                    [first](const HeaderWord& word) { return word.role >= first; });
    const auto end = std::find_if(begin, kWords.end(),
                                  [last](const HeaderWord& word) { return word.role > last; });
    return {begin, end};
}

bool HeaderIsWord(std::string_view header, std::string_view word, std::string_view* number) {
    return TrimmedHeaderIsWord(WithoutSpaces(header), word, number);
}

bool TrimmedHeaderIsWord(std::string_view header, std::string_view word, std::string_view* number) {
    // Every character of the word takes at least one of the header's ("#" at least one digit).
    if (header.size() < word.size() || !MayStartWith(header, word))
        return false;
    if (!IsAscii(word))
        return header == word;
    std::size_t length = 0;
    return StartsWithAsciiWord(header, word, length, number) && length == header.size();
}

bool ContainsWord(const char* text, std::string_view word) {
    const std::string_view all(text);
    if (!IsAscii(word))
        return all.find(word) != std::string_view::npos;
    std::size_t length = 0;
    for (std::size_t at = 0; at < all.size();) {
        const std::string_view rest = all.substr(at);
        if (MayStartWith(rest, word) && StartsWithAsciiWord(rest, word, length, nullptr))
            return true;
        // Two-byte characters are stepped over whole: their second byte may look like a letter.
        at += IsDoubleByteStart(text + at) && at + 1 < all.size() ? 2 : 1;
    }
    return false;
}
