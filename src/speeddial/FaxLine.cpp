#include "speeddial/FaxLine.h"

#include "speeddial/ColumnRules.h"
#include "speeddial/EncodedColumn.h"
#include "speeddial/MaskedText.h"
#include "speeddial/Numbers.h"
#include "speeddial/ParsedEntry.h"
#include "speeddial/RelayText.h"
#include "speeddial/Utf8Name.h"
#include "text/FieldHelpers.h"

namespace {

constexpr int kNameColumn = 2;
constexpr int kUtf8NameVersion = 6;
constexpr int kCheckColumnVersion = 5;
constexpr int kMemoNumberVersion = 2;

bool IsOne(const char* field) {
    return *field != '\0' && LeadingDecimalValue(field) == 1;
}

int32_t FaxMode(const char* mode) {
    const int32_t value = LeadingDecimalValue(mode);
    return value == 1 || value == 2 ? value : 0;
}

// The box or sub-address, a colon and the password, which is masked from version 1
// revision 2 on.
std::string ComposeSecret(const char* first, const char* password, const EwsFormat& format) {
    std::string text = first;
    text += ':';
    if (format.ewsFormatVersion >= 2 || format.ewsFormatRevision > 1) {
        char decoded[kMaskedTextBuffer];
        DecodeMaskedText(decoded, password);
        text += decoded;
    } else {
        text += password;
    }
    return text;
}

void StoreFaxLineName(SpeedDialRecord& record, char* field, const EwsFormat& format) {
    if (format.ewsFormatVersion < kUtf8NameVersion) {
        StoreName(record, field);
        return;
    }
    char converted[kNameAnsiBytes];
    // An invalid name is left empty; a conversion without memory throws.
    ConvertUtf8Name(field, converted);
    StoreName(record, converted);
}

} // namespace

bool ParseFaxLine(LineFields& line, SpeedDialRecord& record, SessionLists& lists, int faxColumn,
                  int encColumn, const EwsFormat& format) {
    const int version = format.ewsFormatVersion;
    if (faxColumn < 0 || (version >= kCheckColumnVersion && encColumn < 0))
        return false;
    if (!line.Equals(1, "FAX"))
        return false;
    char* number = line.Field(0);
    if (!number)
        return false;
    TrimSpaces(number);
    char* faxNumber = line.Field(faxColumn);
    if (*number == '\0' || !faxNumber)
        return false;
    if (version >= kCheckColumnVersion) {
        const char* encoded = line.Field(encColumn);
        if (!VerifyEncodedColumn(line, encoded ? encoded : "", faxColumn))
            return false;
    }
    TrimSpaces(faxNumber);
    const int length = CleanFaxNumber(faxNumber);
    if (length < 1 || length > kMaxFieldLength)
        return false;

    EntryTexts texts;
    texts.speedDialNumber = number;
    if (version >= kMemoNumberVersion)
        record.speedDialNumber = LeadingDecimalValue(number);
    if (char* name = line.Field(kNameColumn))
        StoreFaxLineName(record, name, format);

    // Fields that an action reads beside its own were passed (and trimmed) earlier in the walk.
    const auto at = [&](int offset) { return line.Field(faxColumn + offset); };
    for (const ColumnRule& rule : faxColumnRules) {
        char* field = rule.column < 0 ? nullptr : at(rule.column);
        if (!field)
            break;
        if (rule.used != 1)
            continue;
        if (rule.keepRaw == 0)
            TrimSpaces(field);
        switch (rule.column) {
        case faxoffset::kFaxNumber:
            CopyToMember(record.faxNumber, field);
            break;
        case faxoffset::kMode:
            texts.mode = field;
            record.commMode = FaxMode(field);
            break;
        case faxoffset::kConfidentialBox: {
            const char* password = at(faxoffset::kConfidentialPassword);
            if (*password != '\0' || *field != '\0')
                texts.confidential = ComposeSecret(field, password, format);
            break;
        }
        case faxoffset::kRelayFlag:
            record.transmitType = kTransmitOrdinary;
            if (IsOne(at(faxoffset::kConfidentialFlag)))
                record.transmitType = kTransmitConfidential;
            if (IsOne(field))
                record.transmitType = record.transmitType == kTransmitConfidential
                                          ? kTransmitRelayAndConfidential
                                          : kTransmitRelay;
            break;
        case faxoffset::kRelayTargets: {
            const char* station = at(faxoffset::kRelayStation);
            if (*station != '\0' || *field != '\0')
                texts.relay = ComposeRelayText(at(faxoffset::kRelayOption), station, field);
            break;
        }
        case faxoffset::kFCodePassword: {
            const char* subaddress = at(faxoffset::kFCodeSubaddress);
            if (*subaddress != '\0' || *field != '\0')
                texts.fcode = ComposeSecret(subaddress, field, format);
            break;
        }
        default:
            break; // read by the actions above
        }
    }
    texts.AppendTo(lists);
    return true;
}
