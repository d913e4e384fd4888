// The entry identifier and object type of a picked entry or a member row.
#pragma once

#include "addressbook/AddressBook.h"

#include <optional>

struct EntryKey {
    EntryId id;
    std::uint32_t objectType = 0;
};

// Finds PR_ENTRYID and PR_OBJECT_TYPE among the values. Nothing when either is missing or the
// identifier is empty: such an entry cannot be opened.
std::optional<EntryKey> FindEntryKey(std::span<const PropValue> values);
