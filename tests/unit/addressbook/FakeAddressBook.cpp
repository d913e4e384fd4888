#include "FakeAddressBook.h"

#include <cstdlib>

namespace fake {
namespace {

constexpr char kPickedContext = 'P';
constexpr char kMemberContext = 'M';

std::uint32_t ErrorTag(std::uint32_t tag) {
    return (tag & ~kPropTypeMask) | kPtError;
}

class Table : public MemberTable {
  public:
    Table(AddressBook& book, const Entry& list) : book_(book), list_(list) { ++book_.liveObjects; }
    ~Table() override { --book_.liveObjects; }

    bool SetColumns(std::span<const std::uint32_t> tags) override {
        book_.columnsSet.assign(tags.begin(), tags.end());
        return !list_.setColumnsFails;
    }
    bool SeekToBeginning() override {
        position_ = 0;
        return !list_.seekFails;
    }
    bool QueryRows(int count, std::unique_ptr<PropertyRows>& rows) override {
        book_.rowCountsAsked.push_back(count);
        if (list_.readFailsAfterRows && rowsRead_ >= *list_.readFailsAfterRows)
            return false;
        if (position_ >= list_.members.size()) {
            if (!list_.endWithoutRowSet)
                rows = std::make_unique<Rows>(book_);
            return true;
        }
        auto read = std::make_unique<Rows>(book_);
        for (std::size_t n = 0; n < list_.rowsPerRead && position_ < list_.members.size(); ++n) {
            book_.AddMemberRow(*read, list_.members[position_++]);
            ++rowsRead_;
        }
        rows = std::move(read);
        return true;
    }

  private:
    AddressBook& book_;
    const Entry& list_;
    std::size_t position_ = 0;
    int rowsRead_ = 0;
};

class Opened : public OpenedEntry {
  public:
    Opened(AddressBook& book, const Entry& entry) : book_(book), entry_(entry) {
        ++book_.liveObjects;
    }
    ~Opened() override { --book_.liveObjects; }

    std::uint32_t ObjectType() const override { return entry_.openedType.value_or(entry_.type); }

    std::unique_ptr<PropertyRows> GetProps(std::span<const std::uint32_t> tags) override {
        book_.propTagsAsked.assign(tags.begin(), tags.end());
        if (entry_.getPropsFails)
            return nullptr;
        auto values = std::make_unique<Rows>(book_);
        values->AddRow();
        const std::size_t count =
            std::min(tags.size(), entry_.valuesReturned.value_or(tags.size()));
        for (std::size_t n = 0; n < count; ++n) {
            const std::optional<std::string>* value = Value(tags[n]);
            if (value && *value)
                values->AddText(tags[n], **value);
            else
                values->AddError(tags[n]);
        }
        return values;
    }

    std::unique_ptr<MemberTable> GetContentsTable() override {
        if (entry_.contentsTableFails)
            return nullptr;
        return std::make_unique<Table>(book_, entry_);
    }

  private:
    const std::optional<std::string>* Value(std::uint32_t tag) const {
        switch (tag) {
        case kPrDisplayName:
            return &entry_.name;
        case kPrPrimaryFaxNumber:
            return &entry_.primary;
        case kPrBusinessFaxNumber:
            return &entry_.business;
        case kPrHomeFaxNumber:
            return &entry_.home;
        default:
            return nullptr;
        }
    }

    AddressBook& book_;
    const Entry& entry_;
};

} // namespace

Rows::Rows(AddressBook& book) : book_(book) {
    ++book_.liveRowSets;
}
Rows::~Rows() {
    --book_.liveRowSets;
}

void Rows::AddText(std::uint32_t tag, const std::string& text) {
    PropValue value;
    value.tag = tag;
    value.text = storage_.emplace_back(text).c_str();
    rows_.back().push_back(value);
}

void Rows::AddError(std::uint32_t tag) {
    PropValue value;
    value.tag = ErrorTag(tag);
    rows_.back().push_back(value);
}

void Rows::AddBinary(std::uint32_t tag, const std::string& bytes) {
    const std::string& stored = storage_.emplace_back(bytes);
    PropValue value;
    value.tag = tag;
    value.binary = EntryId(reinterpret_cast<const std::uint8_t*>(stored.data()), stored.size());
    rows_.back().push_back(value);
}

void Rows::AddNumber(std::uint32_t tag, std::int32_t number) {
    PropValue value;
    value.tag = tag;
    value.number = number;
    rows_.back().push_back(value);
}

AddressBook::~AddressBook() {
    for (void* buffer : buffers_)
        std::free(buffer);
}

Entry& AddressBook::Add(const std::string& id, Entry entry) {
    return entries_[id] = std::move(entry);
}

Entry& AddressBook::MailUser(const std::string& id, std::optional<std::string> name,
                             std::optional<std::string> primary,
                             std::optional<std::string> business, std::optional<std::string> home) {
    Entry entry;
    entry.name = std::move(name);
    entry.primary = std::move(primary);
    entry.business = std::move(business);
    entry.home = std::move(home);
    return Add(id, std::move(entry));
}

Entry& AddressBook::DistList(const std::string& id, std::vector<std::string> members) {
    Entry entry;
    entry.type = kMapiDistList;
    entry.name = id;
    entry.members = std::move(members);
    return Add(id, std::move(entry));
}

Entry& AddressBook::Other(const std::string& id, std::uint32_t type) {
    Entry entry;
    entry.type = type;
    entry.name = id;
    return Add(id, std::move(entry));
}

std::string AddressBook::EncodeId(char context, const std::string& id) {
    return std::string(1, context) + id;
}

std::string AddressBook::DecodeId(EntryId id) {
    if (id.empty())
        return {};
    return std::string(reinterpret_cast<const char*>(id.data()) + 1, id.size() - 1);
}

void AddressBook::AddMemberRow(Rows& rows, const std::string& id) {
    const Entry& entry = entries_.at(id);
    rows.AddRow();
    // Member rows carry the columns in their set order.
    if (entry.name)
        rows.AddText(kPrDisplayName, *entry.name);
    else
        rows.AddError(kPrDisplayName);
    if (!entry.rowWithoutEntryId)
        rows.AddBinary(kPrEntryId, EncodeId(kMemberContext, id));
    if (!entry.rowWithoutObjectType)
        rows.AddNumber(kPrObjectType, static_cast<std::int32_t>(entry.type));
}

std::unique_ptr<Rows> AddressBook::Picked(const std::vector<std::string>& ids) {
    auto rows = std::make_unique<Rows>(*this);
    for (const std::string& id : ids) {
        const Entry& entry = entries_.at(id);
        rows->AddRow();
        // The dialog's order differs from the member columns'; the import looks values up by tag.
        if (!entry.rowWithoutObjectType)
            rows->AddNumber(kPrObjectType, static_cast<std::int32_t>(entry.type));
        rows->AddText(kPrDisplayName, entry.name.value_or(""));
        if (!entry.rowWithoutEntryId)
            rows->AddBinary(kPrEntryId, EncodeId(kPickedContext, id));
    }
    return rows;
}

std::unique_ptr<OpenedEntry> AddressBook::OpenEntry(EntryId id) {
    const std::string decoded = DecodeId(id);
    opened.push_back(decoded);
    const auto found = entries_.find(decoded);
    if (found == entries_.end() || found->second.openFails)
        return nullptr;
    return std::make_unique<Opened>(*this, found->second);
}

std::optional<bool> AddressBook::CompareEntryIds(EntryId first, EntryId second) {
    if (!buffers_.contains(const_cast<std::uint8_t*>(second.data())))
        ++comparisonsOutsideBuffers;
    const std::string remembered = DecodeId(second);
    if (compareFails || compareFailsFor.contains(remembered))
        return std::nullopt;
    return DecodeId(first) == remembered;
}

void* AddressBook::AllocateBuffer(std::size_t size) {
    if (allocationFails)
        return nullptr;
    void* buffer = std::calloc(1, size == 0 ? 1 : size);
    buffers_.insert(buffer);
    ++allocations;
    return buffer;
}

void AddressBook::FreeBuffer(void* buffer) {
    if (buffers_.erase(buffer) == 0) {
        ++foreignFrees;
        return;
    }
    std::free(buffer);
}

} // namespace fake
