#include "csv/CsvRowName.h"

#include "csv/ComposedName.h"
#include "text/FieldHelpers.h"

#include <cstring>
#include <string_view>

namespace {

// Room for a composed name longer than any candidate keeps, so that its cut can tell whether
// the last character is whole.
constexpr std::size_t kComposedRoom = 2 * kCandidateFieldSize;

char* FieldAt(std::span<char* const> rowFields, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= rowFields.size())
        return nullptr;
    return rowFields[static_cast<std::size_t>(column)];
}

std::string_view TextAt(std::span<char* const> rowFields, int column) {
    const char* field = FieldAt(rowFields, column);
    return field ? std::string_view(field) : std::string_view();
}

bool CopyFieldName(std::span<char* const> rowFields, int column,
                   char (&name)[kCandidateFieldSize]) {
    char* field = FieldAt(rowFields, column);
    if (!field)
        return false;
    CopyName(field, name);
    return name[0] != '\0';
}

} // namespace

void CopyName(char* text, char (&name)[kCandidateFieldSize]) {
    std::size_t length = TrimSpaces(text);
    ReplaceBrackets(text, length);
    if (length > static_cast<std::size_t>(kMaxFieldLength)) {
        const int clipped = ClipToCharBoundary(text, kMaxFieldLength);
        length = clipped > 0 && clipped <= kMaxFieldLength ? static_cast<std::size_t>(clipped) : 0;
    }
    std::memcpy(name, text, length);
    name[length] = '\0';
}

void CopyRowName(const CsvColumns& columns, std::span<char* const> rowFields,
                 char (&name)[kCandidateFieldSize]) {
    name[0] = '\0';
    if (columns.nameColumn >= 0) {
        CopyFieldName(rowFields, columns.nameColumn, name);
        return;
    }
    const NameColumns& parts = columns.nameParts;
    if (CopyFieldName(rowFields, parts.wholeName, name))
        return;
    char composed[kComposedRoom];
    ComposeName({TextAt(rowFields, parts.given), TextAt(rowFields, parts.middle),
                 TextAt(rowFields, parts.family)},
                composed, sizeof composed);
    CopyName(composed, name);
    if (name[0] == '\0')
        CopyFieldName(rowFields, parts.company, name);
}
