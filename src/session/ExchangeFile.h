// The recipient exchange file: a 32-bit little-endian count, then fixed-size records.
#pragma once

#include "session/SessionLists.h"

#include <string>

// Collects the bytes of the file; it is written whole once complete.
class ExchangeFileBuffer {
  public:
    void AppendInt32(int32_t value);
    void Append(const void* data, std::size_t size);
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

// The count and one RecipientRecord per entry of `recipients` (import types 1 to 5).
void AppendRecipientRecords(const SessionLists& lists, ExchangeFileBuffer& file);
