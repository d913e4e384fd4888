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

// Owns what a provider handed over from the moment it arrives, so that it is given back with the
// provider's allocator on every path, also when memory for the program's own view of it runs
// out. Moving hands the ownership on.
class ProviderList {
  public:
    ProviderList(const AddressBookProviders& providers, LPADRLIST list)
        : providers_(providers), list_(list) {}
    ProviderList(const AddressBookProviders& providers, LPSRowSet rows)
        : providers_(providers), rowSet_(rows) {}
    ProviderList(const AddressBookProviders& providers, LPSPropValue values)
        : providers_(providers), values_(values) {}
    ProviderList(ProviderList&& other) noexcept;
    ~ProviderList();
    ProviderList(const ProviderList&) = delete;
    ProviderList& operator=(const ProviderList&) = delete;
    ProviderList& operator=(ProviderList&&) = delete;

    LPADRLIST List() const { return list_; }
    LPSRowSet RowSet() const { return rowSet_; }
    LPSPropValue Values() const { return values_; }

  private:
    const AddressBookProviders& providers_;
    LPADRLIST list_ = nullptr;
    LPSRowSet rowSet_ = nullptr;
    LPSPropValue values_ = nullptr;
};

class ProviderRows : public PropertyRows {
  public:
    // An ADRLIST or SRowSet: one row per entry.
    explicit ProviderRows(ProviderList list);
    // A GetProps value array: one row of `count` values.
    ProviderRows(ProviderList values, ULONG count);
    ProviderRows(const ProviderRows&) = delete;
    ProviderRows& operator=(const ProviderRows&) = delete;

    std::size_t RowCount() const override { return rows_.size(); }
    std::span<const PropValue> Row(std::size_t index) const override { return rows_.at(index); }

  private:
    void TakeRow(ULONG count, const SPropValue* values);

    ProviderList list_; // before the rows, so it is freed if building them fails
    std::vector<std::vector<PropValue>> rows_;
};

// The value as the portable code reads it; the text and bytes stay in the provider's buffer.
PropValue ToPropValue(const SPropValue& value);
