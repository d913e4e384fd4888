// A scripted address book for the extraction tests: mail users, distribution lists and other
// entries, with knobs that make each provider call fail, and counts of what is still open.
#pragma once

#include "addressbook/AddressBook.h"
#include "addressbook/PropertyTags.h"

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fake {

// One entry of the scripted book.
struct Entry {
    std::uint32_t type = kMapiMailUser;
    // Mail users: missing values come back typed PT_ERROR.
    std::optional<std::string> name;
    std::optional<std::string> primary;
    std::optional<std::string> business;
    std::optional<std::string> home;
    // Distribution lists: member identifiers in table order.
    std::vector<std::string> members;

    bool openFails = false;
    std::optional<std::uint32_t> openedType; // what opening reports, when not `type`
    bool getPropsFails = false;
    std::optional<std::size_t> valuesReturned; // fewer values than asked for
    bool contentsTableFails = false;
    bool setColumnsFails = false;
    bool seekFails = false;
    std::optional<int> readFailsAfterRows;
    std::size_t rowsPerRead = 1; // a provider may return more rows than asked for
    bool endWithoutRowSet = false;
    // How this entry appears in a member row or the picked list.
    bool rowWithoutEntryId = false;
    bool rowWithoutObjectType = false;
};

class AddressBook;

// Rows whose values point into storage of their own; counted while alive.
class Rows : public PropertyRows {
  public:
    explicit Rows(AddressBook& book);
    ~Rows() override;
    std::size_t RowCount() const override { return rows_.size(); }
    std::span<const PropValue> Row(std::size_t index) const override { return rows_.at(index); }

    void AddRow() { rows_.emplace_back(); }
    void AddText(std::uint32_t tag, const std::string& text);
    void AddError(std::uint32_t tag);
    void AddBinary(std::uint32_t tag, const std::string& bytes);
    void AddNumber(std::uint32_t tag, std::int32_t number);

  private:
    AddressBook& book_;
    std::vector<std::vector<PropValue>> rows_;
    std::deque<std::string> storage_;
};

class AddressBook : public ::AddressBook {
  public:
    ~AddressBook() override;

    Entry& Add(const std::string& id, Entry entry);
    Entry& MailUser(const std::string& id, std::optional<std::string> name,
                    std::optional<std::string> primary,
                    std::optional<std::string> business = std::nullopt,
                    std::optional<std::string> home = std::nullopt);
    Entry& DistList(const std::string& id, std::vector<std::string> members);
    Entry& Other(const std::string& id, std::uint32_t type);
    Entry& operator[](const std::string& id) { return entries_.at(id); }

    // The picked list as the address dialog returns it.
    std::unique_ptr<Rows> Picked(const std::vector<std::string>& ids);

    // Identifiers carry a context byte in front (picked list or member row), as real providers'
    // identifiers differ for the same object; only CompareEntryIds sees through it.
    static std::string EncodeId(char context, const std::string& id);
    static std::string DecodeId(EntryId id);

    std::unique_ptr<OpenedEntry> OpenEntry(EntryId id) override;
    std::optional<bool> CompareEntryIds(EntryId first, EntryId second) override;
    void* AllocateBuffer(std::size_t size) override;
    void FreeBuffer(void* buffer) override;

    // Knobs.
    bool compareFails = false;
    std::set<std::string> compareFailsFor; // comparisons of a remembered list that fail
    bool allocationFails = false;

    // What happened.
    int liveObjects = 0;
    int liveRowSets = 0;
    int allocations = 0;
    int foreignFrees = 0;
    int comparisonsOutsideBuffers = 0;        // remembered identifiers not in the provider's memory
    std::vector<std::string> opened;          // identifiers in the order they were opened
    std::vector<int> rowCountsAsked;          // per QueryRows
    std::vector<std::uint32_t> propTagsAsked; // of the last GetProps
    std::vector<std::uint32_t> columnsSet;    // of the last SetColumns
    std::size_t LiveBuffers() const { return buffers_.size(); }

    void AddMemberRow(Rows& rows, const std::string& id);

  private:
    std::map<std::string, Entry> entries_;
    std::set<void*> buffers_;
};

} // namespace fake
