#include "csv/CsvCandidate.h"

#include <cstring>
#include <initializer_list>

EntryText::EntryText(const CsvCandidate& candidate) {
    for (std::string_view part : {FieldText(candidate.name), std::string_view(" ["),
                                  FieldText(candidate.faxNumber), std::string_view("]")}) {
        std::memcpy(bytes_.data() + length_, part.data(), part.size());
        length_ += part.size();
    }
}
