// One candidate recipient of a CSV file, and the text both picker lists show for it.
#pragma once

#include "session/SessionLists.h"

#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t kCandidateFieldSize = kMaxFieldLength + 1;

struct CsvCandidate {
    char name[kCandidateFieldSize];      // empty when the row has no name field
    char faxNumber[kCandidateFieldSize]; // cleaned; may be empty
};

// A field's text; a field that lost its terminator still ends at its last byte.
inline std::string_view FieldText(const char (&field)[kCandidateFieldSize]) {
    const char* end = field;
    while (end < field + kMaxFieldLength && *end != '\0')
        ++end;
    return {field, static_cast<std::size_t>(end - field)};
}

// "name [fax]", held in a fixed buffer that always fits both fields.
class EntryText {
  public:
    explicit EntryText(const CsvCandidate& candidate);
    const char* CStr() const { return bytes_.data(); }
    std::string_view View() const { return {bytes_.data(), length_}; }

  private:
    std::array<char, 2 * kMaxFieldLength + 4> bytes_{};
    std::size_t length_ = 0;
};
