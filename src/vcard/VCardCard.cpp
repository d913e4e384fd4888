#include "vcard/VCardCard.h"

#include "csv/ComposedName.h"
#include "csv/CsvRowName.h"
#include "text/FieldHelpers.h"
#include "vcard/VCardCharsets.h"
#include "vcard/VCardValue.h"

#include <cstring>
#include <limits>

namespace {

// Room for a composed name longer than any candidate keeps, so that its cut can tell whether
// the last character is whole.
constexpr std::size_t kComposedRoom = 2 * kCandidateFieldSize;

// A tel: URI's number: the scheme goes, and so do its parameters (";ext=...").
std::string_view TelUriNumber(std::string_view value) {
    if (value.size() < 4 || !EqualsIgnoringCase(value.substr(0, 4), "tel:"))
        return value;
    value.remove_prefix(4);
    return value.substr(0, value.find(';'));
}

} // namespace

void VCardCard::Begin() {
    fullName_[0] = composedName_[0] = company_[0] = '\0';
    numberCount_ = 0;
}

std::optional<VCardCard::DecodedValue> VCardCard::Decoded(const VCardProperty& property,
                                                          bool split) {
    // The line lies in the reader's own buffer, which it hands over writable.
    char* value = const_cast<char*>(property.value.data());
    std::size_t size = property.value.size();
    switch (ValueEncoding(property)) {
    case VCardEncoding::Base64:
        return std::nullopt;
    case VCardEncoding::QuotedPrintable:
        size = DecodeQuotedPrintable(value, size);
        break;
    case VCardEncoding::Plain:
        break;
    }
    const std::uint32_t codePage = CodePageOfCharset(Charset(property));
    return DecodedValue{ValueComponents(value, size, text_.LeadBytes(codePage), split), codePage};
}

void VCardCard::Take(const VCardProperty& property) {
    const std::string_view name = property.name;
    if (EqualsIgnoringCase(name, "FN"))
        TakeFirstPart(property, false, fullName_);
    else if (EqualsIgnoringCase(name, "N"))
        TakeNameParts(property);
    else if (EqualsIgnoringCase(name, "ORG"))
        TakeFirstPart(property, true, company_);
    else if (EqualsIgnoringCase(name, "TEL") && HasType(property, "FAX"))
        TakeFaxNumber(property);
}

// FN, and ORG (structured: its first part is the company), each taken from its first
// non-empty property.
void VCardCard::TakeFirstPart(const VCardProperty& property, bool structured,
                              char (&target)[kCandidateFieldSize]) {
    if (target[0] != '\0')
        return;
    auto decoded = Decoded(property, structured);
    if (!decoded)
        return;
    std::string_view first;
    decoded->components.Next(first);
    text_.ToAnsi(first, decoded->codePage, scratch_);
    CopyName(scratch_.data(), target);
}

void VCardCard::TakeNameParts(const VCardProperty& property) {
    if (composedName_[0] != '\0')
        return;
    // Family;Given;Middle;Prefix;Suffix: the last two are not part of the name.
    auto decoded = Decoded(property, true);
    if (!decoded)
        return;
    std::string* const parts[] = {&family_, &given_, &middle_};
    for (std::string* part : parts) {
        std::string_view component;
        if (decoded->components.Next(component))
            text_.ToAnsi(component, decoded->codePage, *part);
        else
            part->clear();
    }
    char composed[kComposedRoom];
    ComposeName({given_, middle_, family_}, composed, sizeof composed);
    CopyName(composed, composedName_);
}

void VCardCard::TakeFaxNumber(const VCardProperty& property) {
    auto decoded = Decoded(property, false);
    if (!decoded)
        return;
    std::string_view whole;
    decoded->components.Next(whole);
    text_.ToAnsi(TelUriNumber(whole), decoded->codePage, scratch_);
    const int length = CleanFaxNumber(scratch_.data());
    if (length <= 0 || length > kMaxFieldLength)
        return; // no number, or one longer than a record holds
    if (numberCount_ == numbers_.size())
        numbers_.emplace_back();
    Field& number = numbers_[numberCount_++];
    number.fill('\0');
    std::memcpy(number.data(), scratch_.data(), static_cast<std::size_t>(length));
}

void VCardCard::End(int32_t& excludedCards) {
    const char* name = fullName_[0] != '\0'       ? fullName_
                       : composedName_[0] != '\0' ? composedName_
                                                  : company_;
    CsvCandidate candidate{};
    std::memcpy(candidate.name, name, std::strlen(name));
    for (std::size_t index = 0; index < numberCount_; ++index) {
        std::memcpy(candidate.faxNumber, numbers_[index].data(), kCandidateFieldSize);
        table_.Append(candidate);
    }
    if (numberCount_ > 0)
        anyNumber_ = true;
    else if (excludedCards < std::numeric_limits<int32_t>::max())
        ++excludedCards;
}
