// The little the fax-address extraction needs of an open address book. The Windows build adapts
// the provider's IAddrBook to it; the unit tests script it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

using EntryId = std::span<const std::uint8_t>;

// One property value; the text and bytes stay owned by whoever returned the value.
struct PropValue {
    std::uint32_t tag = 0;
    const char* text = nullptr; // 8-bit string properties
    EntryId binary;             // binary properties
    std::int32_t number = 0;    // 32-bit integer properties
};

// Rows of values that the provider returned (a GetProps result is one row, a picked list or a
// read of a table may hold several). Freed with the provider's allocator when destroyed.
class PropertyRows {
  public:
    virtual ~PropertyRows() = default;
    virtual std::size_t RowCount() const = 0;
    virtual std::span<const PropValue> Row(std::size_t index) const = 0;
};

// A distribution list's member table; released when destroyed.
class MemberTable {
  public:
    virtual ~MemberTable() = default;
    virtual bool SetColumns(std::span<const std::uint32_t> tags) = 0;
    // Moves to the first row.
    virtual bool SeekToBeginning() = 0;
    // Reads up to `count` rows. False on failure; at the end of the table `rows` is null or
    // holds no row.
    virtual bool QueryRows(int count, std::unique_ptr<PropertyRows>& rows) = 0;
};

// An opened mail user or distribution list; released when destroyed.
class OpenedEntry {
  public:
    virtual ~OpenedEntry() = default;
    // The object type that opening reported.
    virtual std::uint32_t ObjectType() const = 0;
    // One value per tag, missing ones typed PT_ERROR; null when the call failed.
    virtual std::unique_ptr<PropertyRows> GetProps(std::span<const std::uint32_t> tags) = 0;
    // Distribution lists only; null when the call failed.
    virtual std::unique_ptr<MemberTable> GetContentsTable() = 0;
};

class AddressBook {
  public:
    virtual ~AddressBook() = default;
    // Null when the entry cannot be opened.
    virtual std::unique_ptr<OpenedEntry> OpenEntry(EntryId id) = 0;
    // Whether both name the same object; nothing when the comparison failed.
    virtual std::optional<bool> CompareEntryIds(EntryId first, EntryId second) = 0;
    // The provider's allocator; null when it has no memory.
    virtual void* AllocateBuffer(std::size_t size) = 0;
    virtual void FreeBuffer(void* buffer) = 0;
};

// Memory from the provider's allocator, given back to it when destroyed.
class ProviderBuffer {
  public:
    ProviderBuffer(AddressBook& book, std::size_t size)
        : book_(&book), data_(book.AllocateBuffer(size)), size_(data_ ? size : 0) {}
    ~ProviderBuffer() {
        if (data_)
            book_->FreeBuffer(data_);
    }
    ProviderBuffer(ProviderBuffer&& other) noexcept
        : book_(other.book_), data_(other.data_), size_(other.size_) {
        other.data_ = nullptr;
        other.size_ = 0;
    }
    ProviderBuffer(const ProviderBuffer&) = delete;
    ProviderBuffer& operator=(const ProviderBuffer&) = delete;
    ProviderBuffer& operator=(ProviderBuffer&&) = delete;

    explicit operator bool() const { return data_ != nullptr; }
    std::uint8_t* Data() const { return static_cast<std::uint8_t*>(data_); }
    std::size_t Size() const { return size_; }

  private:
    AddressBook* book_;
    void* data_;
    std::size_t size_;
};
