#include "csv/CsvColumns.h"

#include "csv/CsvHeaderWords.h"
#include "csv/CsvPhoneColumns.h"
#include "text/FixedTexts.h"
#include "text/TextViews.h"

#include <string_view>

namespace {

int* NameSlot(NameColumns& columns, HeaderRole role) {
    switch (role) {
    case HeaderRole::WholeName:
        return &columns.wholeName;
    case HeaderRole::GivenName:
        return &columns.given;
    case HeaderRole::MiddleName:
        return &columns.middle;
    case HeaderRole::FamilyName:
        return &columns.family;
    case HeaderRole::Company:
        return &columns.company;
    default:
        return nullptr;
    }
}

bool AllFound(const NameColumns& columns) {
    return columns.wholeName >= 0 && columns.given >= 0 && columns.middle >= 0 &&
           columns.family >= 0 && columns.company >= 0;
}

// Each part of the name comes from the first field that is one of its words.
NameColumns FindNameColumns(std::span<char* const> headerFields) {
    NameColumns columns;
    const auto words = HeaderWordsOf(HeaderRole::WholeName, HeaderRole::Company);
    for (std::size_t index = 0; index < headerFields.size() && !AllFound(columns); ++index) {
        // Measured and trimmed once for all the words; no word is empty.
        const std::string_view field = WithoutSpaces(headerFields[index]);
        if (field.empty())
            continue;
        for (const HeaderWord& word : words) {
            int* slot = NameSlot(columns, word.role);
            if (slot && *slot < 0 && TrimmedHeaderIsWord(field, word.word))
                *slot = static_cast<int>(index);
        }
    }
    return columns;
}

bool ContainsOtherFaxWord(const char* field, std::span<const HeaderWord> faxWords) {
    for (const HeaderWord& word : faxWords) {
        if (word.word != texts::kFaxHeaderWord && ContainsWord(field, word.word))
            return true;
    }
    return false;
}

std::vector<FaxColumn> FindOtherFaxColumns(std::span<char* const> headerFields) {
    const std::vector<FaxColumn> phoneValues = FindPhoneValueColumns(headerFields);
    const auto faxWords = HeaderWordsOf(HeaderRole::Fax, HeaderRole::Fax);
    std::vector<FaxColumn> columns;
    auto phone = phoneValues.begin();
    for (std::size_t index = 0; index < headerFields.size(); ++index) {
        if (phone != phoneValues.end() && phone->index == static_cast<int>(index))
            columns.push_back(*phone++);
        else if (ContainsOtherFaxWord(headerFields[index], faxWords))
            columns.push_back({static_cast<int>(index)});
    }
    return columns;
}

} // namespace

CsvColumns FindColumnsByHeaderWords(std::span<char* const> headerFields) {
    CsvColumns columns;
    for (std::size_t index = 0; index < headerFields.size(); ++index) {
        const std::string_view field = headerFields[index];
        if (columns.nameColumn < 0 && field == texts::kNameHeaderWord)
            columns.nameColumn = static_cast<int>(index);
        if (field.find(texts::kFaxHeaderWord) != std::string_view::npos)
            columns.faxColumns.push_back({static_cast<int>(index)});
    }
    if (columns.nameColumn < 0)
        columns.nameParts = FindNameColumns(headerFields);
    if (columns.faxColumns.empty())
        columns.faxColumns = FindOtherFaxColumns(headerFields);
    return columns;
}
