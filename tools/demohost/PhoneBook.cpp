#include "PhoneBook.h"

#include "ExchangeFileDecoder.h"

namespace {

// The members worth a column in the phone book; empty and default values are left out.
bool Shown(const std::string& member, const std::string& value) {
    if (value.empty())
        return false;
    if (member == "name" || member == "faxNumber")
        return true;
    return value != "0" && member != "relayTargetCount" && member != "relayOption";
}

} // namespace

PhoneBook ReadExchangeFile(const std::string& bytes, int command) {
    PhoneBook book;
    const DecodeResult result = DecodeExchangeFile(
        bytes, command == kSpeedDialCommand ? RecordKind::SpeedDial : RecordKind::Recipients, 0);
    if (!result.file) {
        book.problem = bytes.empty() ? "no result file" : result.error;
        return book;
    }
    for (const DecodedRecord& record : result.file->records) {
        std::string line;
        for (const auto& [member, value] : record.members) {
            if (!Shown(member, value))
                continue;
            if (!line.empty())
                line += '\t';
            line += member == "name" || member == "faxNumber" ? value : member + " " + value;
        }
        book.lines.push_back(line);
    }
    return book;
}
