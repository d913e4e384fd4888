#include "speeddial/LineFields.h"

#include <cstring>

int LineFields::Split(char* line) {
    Clear();
    fields_[0] = line;
    const int result = SplitCsvFields(fields_);
    if (result >= 0) {
        count_ = result;
        if (result == 0)
            fields_[0] = nullptr;
        return result;
    }
    // The splitter fills the slots in order up to the unclosed field.
    count_ = 0;
    while (count_ < kMaxCsvFields && fields_[static_cast<std::size_t>(count_)] != nullptr)
        ++count_;
    return result;
}

char* LineFields::Field(int index) const {
    return Present(index) ? fields_[static_cast<std::size_t>(index)] : nullptr;
}

bool LineFields::Equals(int index, const char* text) const {
    const char* field = Field(index);
    return field != nullptr && std::strcmp(field, text) == 0;
}

void LineFields::Clear() {
    for (int index = 0; index < count_; ++index)
        fields_[static_cast<std::size_t>(index)] = nullptr;
    fields_[0] = nullptr;
    fields_[kMaxCsvFields] = nullptr;
    count_ = 0;
}
