// The candidates of one CSV file: one zero-filled allocation sized before the rows are read.
#pragma once

#include "csv/CsvCandidate.h"

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <span>

class CsvCandidateTable {
  public:
    // Room for `rows` × `columns` candidates. False when the memory cannot be had, or when the
    // table would hold more entries than a list box can index.
    bool Allocate(std::size_t rows, std::size_t columns);

    // Stores a candidate in the next free slot (inline: one call per candidate of a big file
    // costs more than the copy); the table always has room for it, since every
    // row gives at most one candidate per fax column.
    void Append(const CsvCandidate& candidate) {
        if (size_ < capacity_)
            slots_.get()[size_++] = candidate;
    }

    // The next free slot, as the allocation left it (zero-filled), for a candidate built where
    // it is stored; null when the table is full. Commit() keeps it; a slot not kept must be
    // zero-filled again.
    CsvCandidate* NextSlot() { return size_ < capacity_ ? slots_.get() + size_ : nullptr; }
    void Commit() { ++size_; }

    std::size_t Size() const { return size_; }
    std::span<const CsvCandidate> Candidates() const { return {slots_.get(), size_}; }

  private:
    struct Free {
        void operator()(CsvCandidate* slots) const { std::free(slots); }
    };
    std::unique_ptr<CsvCandidate, Free> slots_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};
