// The open provider's IAddrBook as the portable extraction sees it.
#pragma once

#include "addressbook/AddressBook.h"
#include "addressbook/win32/AddressBookProviders.h"

class ProviderAddressBook : public AddressBook {
  public:
    // `providers` must have an address book open for the life of this object.
    explicit ProviderAddressBook(const AddressBookProviders& providers) : providers_(providers) {}

    std::unique_ptr<OpenedEntry> OpenEntry(EntryId id) override;
    std::optional<bool> CompareEntryIds(EntryId first, EntryId second) override;
    void* AllocateBuffer(std::size_t size) override;
    void FreeBuffer(void* buffer) override;

  private:
    const AddressBookProviders& providers_;
};
