#include "speeddial/SpeedDialTable.h"

#include <new>
#include <stdexcept>

bool SpeedDialTable::Allocate(std::size_t capacity) {
    Free();
    try {
        records_.reserve(capacity);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    exists_ = true;
    return true;
}

void SpeedDialTable::Free() {
    std::vector<SpeedDialRecord>().swap(records_);
    exists_ = false;
}

SpeedDialRecord* SpeedDialTable::StartRecord() {
    if (records_.size() == records_.capacity())
        return nullptr;
    records_.push_back(recordTemplate);
    return &records_.back();
}

void SpeedDialTable::DropLastRecord() {
    if (!records_.empty())
        records_.pop_back();
}
