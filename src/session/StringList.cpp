#include "session/StringList.h"

void StringList::Append(std::string text) {
    entries_.push_back(std::move(text));
    try {
        ++occurrences_[entries_.back()];
    } catch (...) {
        entries_.pop_back(); // the count must never lack an entry it lists
        throw;
    }
}

void StringList::RemoveTail() {
    if (entries_.empty())
        return;
    auto found = occurrences_.find(entries_.back());
    if (--found->second == 0)
        occurrences_.erase(found);
    entries_.pop_back();
}

void StringList::Clear() {
    entries_.clear();
    occurrences_.clear();
}

bool StringList::Contains(std::string_view text) const {
    return occurrences_.find(std::string(text)) != occurrences_.end();
}
