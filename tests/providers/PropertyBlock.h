// Builds one property value array, with its strings and bytes, in a single buffer of the
// provider's allocator, so that one FreeBuffer gives all of it back.
#pragma once

#include <mapix.h>

#include <string>
#include <vector>

namespace testprovider {

class PropertyBlock {
  public:
    void Text(ULONG tag, const std::string& text);
    void Binary(ULONG tag, const std::string& bytes);
    void Long(ULONG tag, LONG value);
    // A missing property: the tag's type becomes PT_ERROR.
    void Missing(ULONG tag);
    bool HasErrors() const { return errors_; }

    // The array in a new buffer, or null when out of memory.
    LPSPropValue Build(ULONG& count) const;

  private:
    struct Value {
        ULONG tag;
        std::string payload;
        LONG number;
    };
    std::vector<Value> values_;
    bool errors_ = false;
};

// The identifier of entry `id`; `context` tells where it was handed out (1 the address
// dialog, 2 a member table), as real providers' identifiers differ for one object.
std::string EncodeEntryId(char context, const std::string& id);
// The entry named by an identifier, whatever its context.
std::string DecodeEntryId(ULONG size, const void* bytes);

} // namespace testprovider
