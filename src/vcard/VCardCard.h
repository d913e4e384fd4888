// The candidates of one vCard: its name with each of its fax numbers.
#pragma once

#include "csv/CsvCandidate.h"
#include "csv/CsvCandidateTable.h"
#include "vcard/VCardProperty.h"
#include "vcard/VCardText.h"
#include "vcard/VCardValue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class VCardCard {
  public:
    explicit VCardCard(CsvCandidateTable& table) : table_(table) {}

    // A card begins: everything of the last one is forgotten.
    void Begin();

    // Takes what the card needs from one of its properties: FN, N, ORG and TEL with a fax type.
    // The value is decoded where it lies (it must be the line's own, writable bytes).
    void Take(const VCardProperty& property);

    // The card ends: one candidate per fax number, named by FN, else by N composed as the CSV
    // reader composes given and family names, else by ORG's first component. A card without a
    // number adds 1 to `excludedCards`.
    void End(int32_t& excludedCards);

    bool AnyNumber() const { return anyNumber_; }

  private:
    using Field = std::array<char, kCandidateFieldSize>;

    struct DecodedValue {
        ValueComponents components;
        std::uint32_t codePage;
    };
    // The value's components after its transfer encoding (`split`: at each ";"), with the code
    // page of its charset; none for a base64 value, which is skipped.
    std::optional<DecodedValue> Decoded(const VCardProperty& property, bool split);
    void TakeFirstPart(const VCardProperty& property, bool structured,
                       char (&target)[kCandidateFieldSize]);
    void TakeNameParts(const VCardProperty& property);
    void TakeFaxNumber(const VCardProperty& property);

    CsvCandidateTable& table_;
    VCardText text_;
    std::string given_, middle_, family_, scratch_;
    char fullName_[kCandidateFieldSize] = {};
    char composedName_[kCandidateFieldSize] = {};
    char company_[kCandidateFieldSize] = {};
    std::vector<Field> numbers_;
    std::size_t numberCount_ = 0;
    bool anyNumber_ = false;
};
