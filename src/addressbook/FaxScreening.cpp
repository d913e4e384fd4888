#include "addressbook/FaxScreening.h"

#include "addressbook/PropertyTags.h"
#include "text/FieldHelpers.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kFieldBufferSize = kMaxFieldLength + 1;
using FieldBuffer = std::array<char, kFieldBufferSize>;

// Copies at most `length` bytes of `text`, which the caller has checked to fit.
void CopyField(FieldBuffer& buffer, const char* text, std::size_t length) {
    std::memcpy(buffer.data(), text, length);
    buffer[length] = '\0';
}

struct FaxFields {
    FieldBuffer name{};
    std::array<FieldBuffer, 3> numbers{};
    std::array<bool, 3> present{};
};

int NumberSlot(std::uint32_t tag) {
    switch (tag) {
    case kPrPrimaryFaxNumber:
        return 0;
    case kPrBusinessFaxNumber:
        return 1;
    case kPrHomeFaxNumber:
        return 2;
    default:
        return -1;
    }
}

void TakeValue(const PropValue& value, FaxFields& fields) {
    if (PropType(value.tag) == kPtError || !value.text)
        return;
    const std::size_t length = std::strlen(value.text);
    if (value.tag == kPrDisplayName) {
        const std::size_t kept =
            length > static_cast<std::size_t>(kMaxFieldLength)
                ? static_cast<std::size_t>(ClipToCharBoundary(value.text, kMaxFieldLength))
                : length;
        CopyField(fields.name, value.text, kept);
        return;
    }
    const int slot = NumberSlot(value.tag);
    // A number too long for the record is left out, not shortened.
    if (slot < 0 || length > static_cast<std::size_t>(kMaxFieldLength))
        return;
    CopyField(fields.numbers[slot], value.text, length);
    fields.present[slot] = true;
}

} // namespace

OfferResult OfferRecipient(char* name, char* faxNumber, SessionLists& lists) {
    if (CleanFaxNumber(faxNumber) == 0)
        return OfferResult::Refused;
    TrimSpaces(name);
    ReplaceBrackets(name);
    std::string text = name;
    text += " [";
    text += faxNumber;
    text += "]";
    if (lists.recipients.Contains(text))
        return OfferResult::Refused;
    if (lists.limit > 0 && lists.count == lists.limit)
        return OfferResult::LimitReached;
    lists.recipients.Append(std::move(text));
    ++lists.count;
    return OfferResult::Added;
}

void ScreenFaxEntry(std::span<const PropValue> values, SessionLists& lists,
                    ImportStatistics& statistics) {
    const int32_t validBefore = statistics.validCount;
    FaxFields fields;
    for (const PropValue& value : values.first(std::min(values.size(), kMailUserTags.size())))
        TakeValue(value, fields);

    bool anyNumber = false;
    for (std::size_t slot = 0; slot < fields.numbers.size(); ++slot) {
        if (!fields.present[slot])
            continue;
        anyNumber = true;
        switch (OfferRecipient(fields.name.data(), fields.numbers[slot].data(), lists)) {
        case OfferResult::Added:
            statistics.validCount = lists.count;
            break;
        case OfferResult::LimitReached:
            ++statistics.validCount;
            break;
        case OfferResult::Refused:
            break;
        }
    }
    if (!anyNumber || statistics.validCount == validBefore)
        ++statistics.excludedCount;
}
