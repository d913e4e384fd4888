#include "addressbook/win32/ProviderAddressBook.h"

#include "addressbook/win32/ProviderRows.h"

#include <limits>

namespace {

LPENTRYID AsEntryId(EntryId id) {
    // The provider only reads the identifier.
    return reinterpret_cast<LPENTRYID>(const_cast<std::uint8_t*>(id.data()));
}

ULONG AsLength(EntryId id) {
    return static_cast<ULONG>(id.size());
}

// A tag list in the published shape, for up to eight tags.
class TagList {
  public:
    explicit TagList(std::span<const std::uint32_t> tags) {
        tags_.cValues = static_cast<ULONG>(std::min(tags.size(), std::size(tags_.aulPropTag)));
        for (ULONG n = 0; n < tags_.cValues; ++n)
            tags_.aulPropTag[n] = tags[n];
    }
    LPSPropTagArray get() { return reinterpret_cast<LPSPropTagArray>(&tags_); }

  private:
    SizedSPropTagArray(8, tags_);
};

class ProviderTable : public MemberTable {
  public:
    ProviderTable(const AddressBookProviders& providers, ComPtr<IMAPITable> table)
        : providers_(providers), table_(std::move(table)) {}

    bool SetColumns(std::span<const std::uint32_t> tags) override {
        TagList columns(tags);
        return SUCCEEDED(table_->SetColumns(columns.get(), 0));
    }
    bool SeekToBeginning() override {
        return SUCCEEDED(table_->SeekRow(BOOKMARK_BEGINNING, 0, nullptr));
    }
    bool QueryRows(int count, std::unique_ptr<PropertyRows>& rows) override {
        LPSRowSet read = nullptr;
        const HRESULT result = table_->QueryRows(count, 0, &read);
        // Whatever was handed over is freed, also on failure.
        ProviderList owned(providers_, read);
        if (FAILED(result))
            return false;
        rows = std::make_unique<ProviderRows>(std::move(owned));
        return true;
    }

  private:
    const AddressBookProviders& providers_;
    ComPtr<IMAPITable> table_;
};

class ProviderEntry : public OpenedEntry {
  public:
    ProviderEntry(const AddressBookProviders& providers, ComPtr<IUnknown> object, ULONG type)
        : providers_(providers), object_(std::move(object)), type_(type) {}

    std::uint32_t ObjectType() const override { return type_; }

    std::unique_ptr<PropertyRows> GetProps(std::span<const std::uint32_t> tags) override {
        // Every address-book object opens with an interface derived from IMAPIProp.
        auto* properties = static_cast<IMAPIProp*>(object_.get());
        TagList tagList(tags);
        ULONG count = 0;
        LPSPropValue values = nullptr;
        const HRESULT result = properties->GetProps(tagList.get(), 0, &count, &values);
        ProviderList owned(providers_, values);
        if (FAILED(result))
            return nullptr;
        return std::make_unique<ProviderRows>(std::move(owned), count);
    }

    std::unique_ptr<MemberTable> GetContentsTable() override {
        if (type_ != MAPI_DISTLIST)
            return nullptr;
        auto* list = static_cast<IDistList*>(object_.get());
        ComPtr<IMAPITable> table;
        if (FAILED(list->GetContentsTable(0, table.receiver())) || !table)
            return nullptr;
        return std::make_unique<ProviderTable>(providers_, std::move(table));
    }

  private:
    const AddressBookProviders& providers_;
    ComPtr<IUnknown> object_;
    ULONG type_;
};

} // namespace

std::unique_ptr<OpenedEntry> ProviderAddressBook::OpenEntry(EntryId id) {
    ULONG type = 0;
    ComPtr<IUnknown> object;
    const HRESULT result = providers_.AddressBook()->OpenEntry(AsLength(id), AsEntryId(id), nullptr,
                                                               0, &type, object.receiver());
    if (FAILED(result) || !object)
        return nullptr;
    return std::make_unique<ProviderEntry>(providers_, std::move(object), type);
}

std::optional<bool> ProviderAddressBook::CompareEntryIds(EntryId first, EntryId second) {
    ULONG same = 0;
    if (FAILED(providers_.AddressBook()->CompareEntryIDs(
            AsLength(first), AsEntryId(first), AsLength(second), AsEntryId(second), 0, &same)))
        return std::nullopt;
    return same != 0;
}

void* ProviderAddressBook::AllocateBuffer(std::size_t size) {
    if (size > std::numeric_limits<ULONG>::max())
        return nullptr;
    return providers_.AllocateBuffer(static_cast<ULONG>(size));
}

void ProviderAddressBook::FreeBuffer(void* buffer) {
    providers_.FreeBuffer(buffer);
}
