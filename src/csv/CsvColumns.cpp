#include "csv/CsvColumns.h"

#include "text/FixedTexts.h"

#include <string_view>

CsvColumns FindColumnsByHeaderWords(std::span<char* const> headerFields) {
    CsvColumns columns;
    for (std::size_t index = 0; index < headerFields.size(); ++index) {
        const std::string_view field = headerFields[index];
        if (columns.nameColumn < 0 && field == texts::kNameHeaderWord)
            columns.nameColumn = static_cast<int>(index);
        if (field.find(texts::kFaxHeaderWord) != std::string_view::npos)
            columns.faxColumns.push_back(static_cast<int>(index));
    }
    return columns;
}
