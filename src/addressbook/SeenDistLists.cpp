#include "addressbook/SeenDistLists.h"

#include <cstring>

SeenDistLists::SeenDistLists(AddressBook& book) : book_(book) {
    lists_.reserve(kMaxSeenDistLists);
}

bool SeenDistLists::Remember(EntryId id) {
    if (Full())
        return false;
    ProviderBuffer copy(book_, id.size());
    if (!copy)
        return false;
    std::memcpy(copy.Data(), id.data(), id.size());
    lists_.push_back(std::move(copy));
    return true;
}

bool SeenDistLists::SameAsOneSeen(EntryId id) const {
    bool same = true;
    for (const ProviderBuffer& seen : lists_) {
        const std::optional<bool> result =
            book_.CompareEntryIds(id, EntryId(seen.Data(), seen.Size()));
        if (!result)
            continue; // a failed comparison leaves the verdict as it was
        same = *result;
        if (same)
            break;
    }
    return same;
}
