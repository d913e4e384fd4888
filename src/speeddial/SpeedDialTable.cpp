#include "speeddial/SpeedDialTable.h"

#include "platform/MemoryShortage.h"

bool SpeedDialTable::Allocate(std::size_t capacity) {
    Free();
    if (!CompletedWithMemory([&] { records_.reserve(capacity); }))
        return false;
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
