#include "addressbook/EntryKey.h"

#include "addressbook/PropertyTags.h"

std::optional<EntryKey> FindEntryKey(std::span<const PropValue> values) {
    const PropValue* id = nullptr;
    const PropValue* type = nullptr;
    for (const PropValue& value : values) {
        if (value.tag == kPrEntryId && !id)
            id = &value;
        else if (value.tag == kPrObjectType && !type)
            type = &value;
    }
    if (!id || !type || id->binary.empty() || !id->binary.data())
        return std::nullopt;
    return EntryKey{id->binary, static_cast<std::uint32_t>(type->number)};
}
