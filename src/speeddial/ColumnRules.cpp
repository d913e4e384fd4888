#include "speeddial/ColumnRules.h"

#include <cstddef>

namespace {

template <std::size_t Size>
constexpr std::array<ColumnRule, Size> MakeRules(std::initializer_list<ColumnRule> used) {
    std::array<ColumnRule, Size> rules{};
    for (std::size_t index = 0; index + 1 < Size; ++index)
        rules[index] = {static_cast<int32_t>(index), 0, 0};
    rules[Size - 1] = {-1, 0, 0};
    for (const ColumnRule& rule : used)
        rules[static_cast<std::size_t>(rule.column)] = rule;
    return rules;
}

constexpr int32_t kTrim = 0;
constexpr int32_t kRaw = 1;

} // namespace

const std::array<ColumnRule, 18> v0ColumnRules = MakeRules<18>({
    {v0column::kSpeedDialNumber, kTrim, 1},
    {v0column::kEntryKind, kRaw, 1},
    {v0column::kFaxNumber, kRaw, 1},
    {v0column::kName, kRaw, 1},
    {v0column::kMode, kTrim, 1},
    {v0column::kConfidential, kRaw, 1},
    {v0column::kRelay, kRaw, 1},
    {v0column::kFCode, kRaw, 1},
});

const std::array<ColumnRule, 28> faxColumnRules = MakeRules<28>({
    {faxoffset::kFaxNumber, kRaw, 1},
    {faxoffset::kMode, kTrim, 1},
    {faxoffset::kConfidentialFlag, kTrim, 1},
    {faxoffset::kConfidentialPassword, kRaw, 1},
    {faxoffset::kConfidentialBox, kRaw, 1},
    {faxoffset::kRelayFlag, kTrim, 1},
    {faxoffset::kRelayStation, kRaw, 1},
    {faxoffset::kRelayOption, kTrim, 1},
    {faxoffset::kRelayTargets, kRaw, 1},
    {faxoffset::kFCodeSubaddress, kRaw, 1},
    {faxoffset::kFCodePassword, kRaw, 1},
});
