#include "addressbook/win32/ProviderRows.h"

#include <utility>

void FreeAddressList(const AddressBookProviders& providers, LPADRLIST list) {
    if (!list)
        return;
    for (ULONG entry = 0; entry < list->cEntries; ++entry)
        providers.FreeBuffer(list->aEntries[entry].rgPropVals);
    providers.FreeBuffer(list);
}

void FreeAddressList(const AddressBookProviders& providers, LPSRowSet rows) {
    if (!rows)
        return;
    for (ULONG row = 0; row < rows->cRows; ++row)
        providers.FreeBuffer(rows->aRow[row].lpProps);
    providers.FreeBuffer(rows);
}

PropValue ToPropValue(const SPropValue& value) {
    PropValue converted;
    converted.tag = value.ulPropTag;
    switch (PROP_TYPE(value.ulPropTag)) {
    case PT_STRING8:
        converted.text = value.Value.lpszA;
        break;
    case PT_BINARY:
        if (value.Value.bin.lpb)
            converted.binary = EntryId(value.Value.bin.lpb, value.Value.bin.cb);
        break;
    case PT_LONG:
        converted.number = value.Value.l;
        break;
    default:
        break;
    }
    return converted;
}

ProviderList::ProviderList(ProviderList&& other) noexcept
    : providers_(other.providers_), list_(std::exchange(other.list_, nullptr)),
      rowSet_(std::exchange(other.rowSet_, nullptr)),
      values_(std::exchange(other.values_, nullptr)) {}

ProviderList::~ProviderList() {
    FreeAddressList(providers_, list_);
    FreeAddressList(providers_, rowSet_);
    providers_.FreeBuffer(values_);
}

ProviderRows::ProviderRows(ProviderList list) : list_(std::move(list)) {
    if (const LPADRLIST entries = list_.List()) {
        rows_.reserve(entries->cEntries);
        for (ULONG entry = 0; entry < entries->cEntries; ++entry)
            TakeRow(entries->aEntries[entry].cValues, entries->aEntries[entry].rgPropVals);
    }
    if (const LPSRowSet rows = list_.RowSet()) {
        rows_.reserve(rows->cRows);
        for (ULONG row = 0; row < rows->cRows; ++row)
            TakeRow(rows->aRow[row].cValues, rows->aRow[row].lpProps);
    }
}

ProviderRows::ProviderRows(ProviderList values, ULONG count) : list_(std::move(values)) {
    TakeRow(list_.Values() ? count : 0, list_.Values());
}

void ProviderRows::TakeRow(ULONG count, const SPropValue* values) {
    std::vector<PropValue>& row = rows_.emplace_back();
    if (!values)
        return;
    row.reserve(count);
    for (ULONG value = 0; value < count; ++value)
        row.push_back(ToPropValue(values[value]));
}
