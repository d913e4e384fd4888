#include "csv/CsvCandidateTable.h"

#include "platform/LargePages.h"

#include <climits>

bool CsvCandidateTable::Allocate(std::size_t rows, std::size_t columns) {
    slots_.reset();
    capacity_ = 0;
    size_ = 0;
    if (columns != 0 && rows > INT_MAX / columns)
        return false;
    const std::size_t capacity = rows * columns;
    // calloc leaves untouched pages unmapped, so a generous bound costs only what is used.
    slots_.reset(static_cast<CsvCandidate*>(
        std::calloc(capacity == 0 ? 1 : capacity, sizeof(CsvCandidate))));
    if (!slots_)
        return false;
    platform::PreferLargePages(slots_.get(), capacity * sizeof(CsvCandidate));
    capacity_ = capacity;
    return true;
}
