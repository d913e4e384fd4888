#include "speeddial/ParsedEntry.h"

#include "text/FieldHelpers.h"

#include <cstring>

void EntryTexts::AppendTo(SessionLists& lists) const {
    lists.pickedRecords.Append(speedDialNumber);
    lists.confidentialTexts.Append(confidential);
    lists.relayTexts.Append(relay);
    lists.fcodeTexts.Append(fcode);
    lists.modeTexts.Append(mode);
}

void StoreName(SpeedDialRecord& record, char* text) {
    ReplaceBrackets(text);
    std::size_t length = std::strlen(text);
    if (length > static_cast<std::size_t>(kMaxFieldLength))
        length = static_cast<std::size_t>(ClipToCharBoundary(text, kMaxFieldLength));
    CopyToMember(record.name, std::string_view(text, length));
}
