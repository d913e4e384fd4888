// The table of speed-dial records read from one file. Room for every record is taken once, so
// no record moves while the picker and the writer hold their indexes.
#pragma once

#include "speeddial/SpeedDialRecord.h"

#include <cstddef>
#include <span>
#include <vector>

class SpeedDialTable {
  public:
    // Room for `capacity` records, none of them used yet; drops any earlier table. False when
    // the memory cannot be had.
    bool Allocate(std::size_t capacity);
    void Free();
    bool Exists() const { return exists_; }

    // The next free slot, holding `recordTemplate`; null when the room is used up.
    SpeedDialRecord* StartRecord();
    // Gives the slot of the last StartRecord back, for the next line to reuse.
    void DropLastRecord();

    std::size_t Size() const { return records_.size(); }
    SpeedDialRecord& operator[](std::size_t index) { return records_[index]; }
    const SpeedDialRecord& operator[](std::size_t index) const { return records_[index]; }
    std::span<SpeedDialRecord> Records() { return records_; }
    std::span<const SpeedDialRecord> Records() const { return records_; }

  private:
    std::vector<SpeedDialRecord> records_;
    bool exists_ = false;
};
