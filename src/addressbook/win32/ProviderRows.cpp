#include "addressbook/win32/ProviderRows.h"

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

ProviderRows::ProviderRows(const AddressBookProviders& providers, LPADRLIST list)
    : providers_(providers), list_(list) {
    if (!list)
        return;
    rows_.reserve(list->cEntries);
    for (ULONG entry = 0; entry < list->cEntries; ++entry)
        TakeRow(list->aEntries[entry].cValues, list->aEntries[entry].rgPropVals);
}

ProviderRows::ProviderRows(const AddressBookProviders& providers, LPSRowSet rows)
    : providers_(providers), rowSet_(rows) {
    if (!rows)
        return;
    rows_.reserve(rows->cRows);
    for (ULONG row = 0; row < rows->cRows; ++row)
        TakeRow(rows->aRow[row].cValues, rows->aRow[row].lpProps);
}

ProviderRows::~ProviderRows() {
    FreeAddressList(providers_, list_);
    FreeAddressList(providers_, rowSet_);
}

void ProviderRows::TakeRow(ULONG count, const SPropValue* values) {
    std::vector<PropValue>& row = rows_.emplace_back();
    if (!values)
        return;
    row.reserve(count);
    for (ULONG value = 0; value < count; ++value)
        row.push_back(ToPropValue(values[value]));
}
