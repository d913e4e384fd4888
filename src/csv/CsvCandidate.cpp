#include "csv/CsvCandidate.h"

#include <cstring>

namespace {

// A field's text; a field that lost its terminator still stops at its last byte.
std::string_view FieldView(const char (&field)[kCandidateFieldSize]) {
    return {field, ::strnlen(field, kMaxFieldLength)};
}

} // namespace

EntryText::EntryText(const CsvCandidate& candidate) {
    for (std::string_view part : {FieldView(candidate.name), std::string_view(" ["),
                                  FieldView(candidate.faxNumber), std::string_view("]")}) {
        std::memcpy(bytes_.data() + length_, part.data(), part.size());
        length_ += part.size();
    }
}
