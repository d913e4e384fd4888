#include "ExchangeFileDecoder.h"

#include "speeddial/SpeedDialRecord.h"
#include "text/CodePageConversion.h"

#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kCountSize = 4;
constexpr std::size_t kRecipientSize = 62;
constexpr std::size_t kFieldSize = 31;
constexpr unsigned kUtf8 = 65001;

int32_t ReadInt32(const char* at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(at[i]);
    return static_cast<int32_t>(value);
}

// A zero-terminated member (or the whole member when it lost its terminator) as UTF-8.
std::string Text(const char* member, std::size_t width, unsigned codePage) {
    const std::size_t length = strnlen(member, width);
    if (length == 0)
        return {};
    const int size = static_cast<int>(length);
    std::vector<char16_t> wide(length + 1);
    const int units =
        CodePageToWide(codePage, 0, member, size, wide.data(), static_cast<int>(wide.size()));
    std::string utf8(static_cast<std::size_t>(units) * 3 + 1, '\0');
    const int bytes = WideToCodePage(kUtf8, 0, wide.data(), units, utf8.data(),
                                     static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
    return utf8;
}

DecodedRecord RecipientRecordMembers(const char* record, unsigned codePage) {
    return {{{"name", Text(record, kFieldSize, codePage)},
             {"faxNumber", Text(record + kFieldSize, kFieldSize, codePage)}}};
}

std::string TransmitType(char value) {
    return value == '\0' ? "NUL (relay and confidential)" : std::string(1, value);
}

DecodedRecord SpeedDialRecordMembers(const char* bytes, unsigned codePage) {
    SpeedDialRecord record;
    std::memcpy(&record, bytes, sizeof record);
    std::string targets;
    const int32_t targetCount = record.relayTargetCount;
    for (int32_t i = 0; i < targetCount && i < static_cast<int32_t>(kRelayTargetSlots); ++i) {
        if (i > 0)
            targets += '/';
        targets.append(record.relayTargets[i], kRelayTargetCodeSize);
    }
    return {{
        {"name", Text(record.name, sizeof record.name, codePage)},
        {"faxNumber", Text(record.faxNumber, sizeof record.faxNumber, codePage)},
        {"commMode", std::to_string(record.commMode)},
        {"transmitType", TransmitType(record.transmitType)},
        {"confidentialBox", Text(record.confidentialBox, sizeof record.confidentialBox, codePage)},
        {"confidentialPassword",
         Text(record.confidentialPassword, sizeof record.confidentialPassword, codePage)},
        {"relayStation", Text(record.relayStation, sizeof record.relayStation, codePage)},
        {"relayOption", record.relayOption ? std::string(1, record.relayOption) : "NUL"},
        {"relayTargetCount", std::to_string(record.relayTargetCount)},
        {"relayTargets", targets},
        {"speedDialNumber", std::to_string(record.speedDialNumber)},
        {"fcodeSubaddress", Text(record.fcodeSubaddress, sizeof record.fcodeSubaddress, codePage)},
        {"fcodePassword", Text(record.fcodePassword, sizeof record.fcodePassword, codePage)},
    }};
}

std::size_t RecordSize(RecordKind kind) {
    return kind == RecordKind::SpeedDial ? sizeof(SpeedDialRecord) : kRecipientSize;
}

const char* KindName(RecordKind kind) {
    return kind == RecordKind::SpeedDial ? "speed-dial" : "recipients";
}

void AppendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

DecodeResult DecodeExchangeFile(std::string_view bytes, std::optional<RecordKind> kind,
                                unsigned codePage) {
    if (bytes.size() < kCountSize)
        return {std::nullopt, "shorter than its 4-byte count"};
    const int32_t count = ReadInt32(bytes.data());
    if (count < 0)
        return {std::nullopt, "negative record count " + std::to_string(count)};
    const std::size_t body = bytes.size() - kCountSize;
    const auto fits = [&](RecordKind candidate) {
        return body == RecordSize(candidate) * static_cast<std::size_t>(count);
    };
    if (!kind) {
        if (fits(RecordKind::Recipients))
            kind = RecordKind::Recipients;
        else if (fits(RecordKind::SpeedDial))
            kind = RecordKind::SpeedDial;
        else
            return {std::nullopt, std::to_string(bytes.size()) + " bytes fit neither " +
                                      std::to_string(count) + " recipient records nor " +
                                      std::to_string(count) + " speed-dial records"};
    } else if (!fits(*kind)) {
        return {std::nullopt, std::to_string(bytes.size()) + " bytes do not hold " +
                                  std::to_string(count) + " " + KindName(*kind) + " records"};
    }

    DecodedFile file;
    file.kind = *kind;
    file.count = count;
    for (int32_t i = 0; i < count; ++i) {
        const char* record =
            bytes.data() + kCountSize + RecordSize(*kind) * static_cast<std::size_t>(i);
        file.records.push_back(*kind == RecordKind::SpeedDial
                                   ? SpeedDialRecordMembers(record, codePage)
                                   : RecipientRecordMembers(record, codePage));
    }
    return {std::move(file), {}};
}

std::string FormatAsText(const DecodedFile& file) {
    std::string out = std::to_string(file.count) + " " + KindName(file.kind) + " record" +
                      (file.count == 1 ? "" : "s") + "\n";
    for (std::size_t i = 0; i < file.records.size(); ++i) {
        out += "\n#" + std::to_string(i + 1) + "\n";
        for (const auto& [member, value] : file.records[i].members)
            out += "  " + member + ": " + value + "\n";
    }
    return out;
}

std::string FormatAsJson(const DecodedFile& file) {
    std::string out = "{\"kind\": ";
    AppendJsonString(out, KindName(file.kind));
    out += ", \"count\": " + std::to_string(file.count) + ", \"records\": [";
    for (std::size_t i = 0; i < file.records.size(); ++i) {
        out += i ? ",\n  {" : "\n  {";
        bool first = true;
        for (const auto& [member, value] : file.records[i].members) {
            out += first ? "" : ", ";
            first = false;
            AppendJsonString(out, member);
            out += ": ";
            AppendJsonString(out, value);
        }
        out += "}";
    }
    out += file.records.empty() ? "]}\n" : "\n]}\n";
    return out;
}
