#include "csv/CsvPhoneColumns.h"

#include "csv/CsvHeaderWords.h"
#include "text/TextViews.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr char kListSeparator[] = ":::";
constexpr std::size_t kListSeparatorLength = sizeof kListSeparator - 1;

// The phone columns of one number.
struct PhoneColumns {
    std::string_view number;
    int type = -1;
    int label = -1;
    int value = -1;
};

// The field's role among the phone columns, with its number; false for any other field.
bool PhoneRole(const char* field, std::span<const HeaderWord> phoneWords, HeaderRole& role,
               std::string_view& number) {
    const std::string_view header = WithoutSpaces(field); // trimmed once for all the words
    if (header.empty())
        return false;
    for (const HeaderWord& word : phoneWords) {
        if (TrimmedHeaderIsWord(header, word.word, &number)) {
            role = word.role;
            return true;
        }
    }
    return false;
}

bool HoldsFaxWord(const char* text) {
    for (const HeaderWord& word : HeaderWordsOf(HeaderRole::Fax, HeaderRole::Fax)) {
        if (ContainsWord(text, word.word))
            return true;
    }
    return false;
}

} // namespace

std::vector<FaxColumn> FindPhoneValueColumns(std::span<char* const> headerFields) {
    const auto phoneWords = HeaderWordsOf(HeaderRole::PhoneType, HeaderRole::PhoneValue);
    std::vector<PhoneColumns> phones;
    for (std::size_t index = 0; index < headerFields.size(); ++index) {
        HeaderRole role{};
        std::string_view number;
        if (!PhoneRole(headerFields[index], phoneWords, role, number))
            continue;
        auto phone = phones.begin();
        while (phone != phones.end() && phone->number != number)
            ++phone;
        if (phone == phones.end()) {
            phones.push_back({number});
            phone = phones.end() - 1;
        }
        int& slot = role == HeaderRole::PhoneType    ? phone->type
                    : role == HeaderRole::PhoneLabel ? phone->label
                                                     : phone->value;
        if (slot < 0)
            slot = static_cast<int>(index);
    }
    std::vector<FaxColumn> values;
    for (const PhoneColumns& phone : phones) {
        if (phone.value >= 0 && (phone.type >= 0 || phone.label >= 0))
            values.push_back({phone.value, phone.type, phone.label});
    }
    std::sort(values.begin(), values.end(),
              [](const FaxColumn& a, const FaxColumn& b) { return a.index < b.index; });
    return values;
}

bool HoldsFaxNumbers(const FaxColumn& column, std::span<char* const> rowFields) {
    for (const int index : {column.typeColumn, column.labelColumn}) {
        if (index >= 0 && static_cast<std::size_t>(index) < rowFields.size() &&
            HoldsFaxWord(rowFields[static_cast<std::size_t>(index)]))
            return true;
    }
    return false;
}

char* CutListedNumber(char*& rest) {
    char* number = rest;
    char* separator = std::strstr(rest, kListSeparator);
    if (separator) {
        *separator = '\0';
        rest = separator + kListSeparatorLength;
    } else {
        rest = nullptr;
    }
    return number;
}

std::size_t CountListSeparators(const char* text, std::size_t size) {
    std::size_t count = 0;
    const std::string_view all(text, size);
    for (std::size_t at = all.find(kListSeparator); at != std::string_view::npos;
         at = all.find(kListSeparator, at + 1))
        ++count;
    return count;
}
