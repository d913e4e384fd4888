// The distribution lists that one import has expanded: at most 256, each identifier copied into
// the provider's memory.
#pragma once

#include "addressbook/AddressBook.h"

#include <vector>

inline constexpr std::size_t kMaxSeenDistLists = 256;

class SeenDistLists {
  public:
    explicit SeenDistLists(AddressBook& book);

    bool Full() const { return lists_.size() >= kMaxSeenDistLists; }
    std::size_t Count() const { return lists_.size(); }

    // Copies the identifier into the next slot. False when the table is full or the provider has
    // no memory for the copy.
    bool Remember(EntryId id);

    // Compares `id` with each remembered list in slot order. The verdict starts at "the same";
    // each comparison that succeeds replaces it and ends the search when it says "the same".
    bool SameAsOneSeen(EntryId id) const;

  private:
    AddressBook& book_;
    std::vector<ProviderBuffer> lists_;
};
