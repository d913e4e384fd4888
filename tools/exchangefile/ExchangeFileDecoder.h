// Reads a recipient exchange file of either kind into readable fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class RecordKind { Recipients, SpeedDial };

struct DecodedRecord {
    // Member name and its value, texts converted to UTF-8.
    std::vector<std::pair<std::string, std::string>> members;
};

struct DecodedFile {
    RecordKind kind = RecordKind::Recipients;
    int32_t count = 0;
    std::vector<DecodedRecord> records;
};

struct DecodeResult {
    std::optional<DecodedFile> file;
    std::string error; // why the bytes are not an exchange file of the asked kind
};

// Tells the kind from the count and the size unless `kind` is given; `codePage` is the ANSI
// code page the texts were written in.
DecodeResult DecodeExchangeFile(std::string_view bytes, std::optional<RecordKind> kind,
                                unsigned codePage);

std::string FormatAsText(const DecodedFile& file);
std::string FormatAsJson(const DecodedFile& file);
