// A list of rows that a provider returned (the address dialog's ADRLIST or a table's SRowSet),
// seen as PropertyRows and freed, with every row's values, by FreeAddressList.
#pragma once

#include "addressbook/AddressBook.h"
#include "addressbook/win32/AddressBookProviders.h"

#include <vector>

// Frees each entry's value array, then the list, with the open provider's allocator. Null lists
// are allowed.
void FreeAddressList(const AddressBookProviders& providers, LPADRLIST list);
void FreeAddressList(const AddressBookProviders& providers, LPSRowSet rows);

class ProviderRows : public PropertyRows {
  public:
    // Takes ownership of the list.
    ProviderRows(const AddressBookProviders& providers, LPADRLIST list);
    ProviderRows(const AddressBookProviders& providers, LPSRowSet rows);
    ~ProviderRows() override;
    ProviderRows(const ProviderRows&) = delete;
    ProviderRows& operator=(const ProviderRows&) = delete;

    std::size_t RowCount() const override { return rows_.size(); }
    std::span<const PropValue> Row(std::size_t index) const override { return rows_.at(index); }

  private:
    void TakeRow(ULONG count, const SPropValue* values);

    const AddressBookProviders& providers_;
    LPADRLIST list_ = nullptr;
    LPSRowSet rowSet_ = nullptr;
    std::vector<std::vector<PropValue>> rows_;
};

// The value as the portable code reads it; the text and bytes stay in the provider's buffer.
PropValue ToPropValue(const SPropValue& value);
