#include "speeddial/Version0Line.h"

#include "speeddial/ColumnRules.h"
#include "speeddial/Numbers.h"
#include "speeddial/ParsedEntry.h"
#include "text/FieldHelpers.h"

namespace {

int32_t Version0Mode(const char* mode) {
    switch (LeadingDecimalValue(mode)) {
    case 2:
    case 3:
        return 1;
    case 4:
        return 2;
    default:
        return 0;
    }
}

} // namespace

bool ParseVersion0Line(LineFields& line, SpeedDialRecord& record, SessionLists& lists) {
    if (!line.Equals(v0column::kEntryKind, "X") && !line.Equals(v0column::kEntryKind, "P"))
        return false;
    char* number = line.Field(v0column::kSpeedDialNumber);
    if (!number)
        return false;
    TrimSpaces(number);
    char* faxNumber = line.Field(v0column::kFaxNumber);
    if (*number == '\0' || !faxNumber)
        return false;
    const int length = CleanFaxNumber(faxNumber);
    if (length < 1 || length > kMaxFieldLength)
        return false;

    EntryTexts texts;
    for (const ColumnRule& rule : v0ColumnRules) {
        char* field = rule.column < 0 ? nullptr : line.Field(rule.column);
        if (!field)
            break;
        if (rule.used != 1)
            continue;
        if (rule.keepRaw == 0)
            TrimSpaces(field);
        switch (rule.column) {
        case v0column::kSpeedDialNumber:
            texts.speedDialNumber = field;
            break;
        case v0column::kFaxNumber:
            CopyToMember(record.faxNumber, field);
            break;
        case v0column::kName:
            StoreName(record, field);
            break;
        case v0column::kMode:
            texts.mode = field;
            record.commMode = Version0Mode(field);
            break;
        case v0column::kConfidential:
            texts.confidential = field;
            break;
        case v0column::kRelay:
            texts.relay = field;
            break;
        case v0column::kFCode:
            texts.fcode = field;
            break;
        default:
            break;
        }
    }
    texts.AppendTo(lists);
    return true;
}
