// The address-book screening of mail users whose property values come from the input: any
// tags and types, texts of any length, missing values, under each ANSI code page.
// Input: (from the end) the code page, the limit, and per entry the number of values and each
// value's tag and text.
#include "FuzzSupport.h"
#include "addressbook/FaxScreening.h"
#include "addressbook/PropertyTags.h"
#include "text/FieldHelpers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

namespace {

constexpr std::array<std::uint32_t, 9> kTags = {
    kPrDisplayName,
    kPrPrimaryFaxNumber,
    kPrBusinessFaxNumber,
    kPrHomeFaxNumber,
    (kPrDisplayName & ~kPropTypeMask) | kPtError,
    (kPrBusinessFaxNumber & ~kPropTypeMask) | kPtError,
    kPrEntryId,
    kPrObjectType,
    0,
};

// One mail user's values, and copies of their texts to see that screening leaves them alone.
struct Entry {
    std::vector<std::unique_ptr<HeapText>> texts;
    std::vector<std::string> originals;
    std::vector<PropValue> values;
};

Entry MakeEntry(FuzzedDataProvider& input) {
    Entry entry;
    const int count = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        PropValue value;
        value.tag = input.PickValueInArray(kTags);
        if (input.ConsumeBool()) { // a value with its text; otherwise a missing one
            entry.texts.push_back(std::make_unique<HeapText>(input.ConsumeRandomLengthString(80)));
            entry.originals.emplace_back(entry.texts.back()->View());
            value.text = entry.texts.back()->Data();
        }
        entry.values.push_back(value);
    }
    return entry;
}

// "name [number]": the number clean and at most 30 bytes, the name trimmed and at most 30 bytes
// with no bracket that begins a character.
void CheckRecipient(std::string_view text) {
    FUZZ_REQUIRE(text.ends_with(']'));
    const std::size_t open = text.rfind(" [");
    FUZZ_REQUIRE(open != std::string_view::npos);
    const std::string_view number = text.substr(open + 2, text.size() - open - 3);
    const std::string_view name = text.substr(0, open);
    FUZZ_REQUIRE(!number.empty() && number.size() <= kMaxFieldLength && IsCleanFaxNumber(number));
    FUZZ_REQUIRE(name.size() <= kMaxFieldLength);
    FUZZ_REQUIRE(name.empty() || (name.front() != ' ' && name.back() != ' '));
    const std::string copy(name);
    for (std::size_t at = 0; at < copy.size();) {
        FUZZ_REQUIRE(copy[at] != '[' && copy[at] != ']');
        at += IsDoubleByteStart(copy.c_str() + at) && copy[at + 1] != '\0' ? 2 : 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    platform::SetAnsiCodePage(input.PickValueInArray(kAnsiCodePages));
    SessionLists lists;
    lists.limit = input.ConsumeIntegralInRange(0, 3);
    ImportStatistics statistics;
    const int entries = input.ConsumeIntegralInRange(1, 4);
    for (int e = 0; e < entries; ++e) {
        Entry entry = MakeEntry(input);
        const ImportStatistics before = statistics;
        const int32_t countBefore = lists.count;
        ScreenFaxEntry(entry.values, lists, statistics);

        for (std::size_t i = 0; i < entry.texts.size(); ++i)
            FUZZ_REQUIRE(entry.texts[i]->View() == entry.originals[i]);
        FUZZ_REQUIRE(lists.count >= countBefore && lists.count - countBefore <= 3);
        FUZZ_REQUIRE(static_cast<std::size_t>(lists.count) == lists.recipients.Size());
        FUZZ_REQUIRE(lists.limit == 0 || lists.count <= lists.limit);
        FUZZ_REQUIRE(statistics.validCount >= before.validCount);
        const int32_t excluded = statistics.excludedCount - before.excludedCount;
        FUZZ_REQUIRE(excluded == 0 || excluded == 1);
        FUZZ_REQUIRE((excluded == 1) == (statistics.validCount == before.validCount));
    }
    for (const std::string& recipient : lists.recipients)
        CheckRecipient(recipient);

    // One offer of texts of any length: the helpers work in place and never grow them.
    HeapText name(input.ConsumeRandomLengthString(80));
    HeapText number(input.ConsumeRemainingBytesAsString());
    const std::size_t nameLength = name.Length();
    const std::size_t numberLength = number.Length();
    const std::size_t recipientsBefore = lists.recipients.Size();
    const OfferResult result = OfferRecipient(name.Data(), number.Data(), lists);
    FUZZ_REQUIRE(number.View().size() <= numberLength && IsCleanFaxNumber(number.View()));
    FUZZ_REQUIRE(name.View().size() <= nameLength);
    if (result == OfferResult::Added) {
        FUZZ_REQUIRE(lists.recipients.Size() == recipientsBefore + 1);
        FUZZ_REQUIRE(lists.recipients.Tail() ==
                     std::string(name.View()) + " [" + std::string(number.View()) + "]");
    } else {
        FUZZ_REQUIRE(lists.recipients.Size() == recipientsBefore);
    }
    return 0;
}
