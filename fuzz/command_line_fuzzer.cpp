// The host's command line against a plain reading of its fields. Input: the program path up to
// the first line feed, then the arguments.
#include "FuzzSupport.h"
#include "session/CommandLine.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atoi with saturation, by the C library.
long long ReferenceDecimal(std::string_view text) {
    const long long value = std::strtoll(std::string(text).c_str(), nullptr, 10);
    return std::clamp(value, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    const std::size_t lineFeed = whole.find('\n');
    const std::string_view programPath = whole.substr(0, lineFeed);
    const std::string_view arguments =
        lineFeed == std::string_view::npos ? std::string_view() : whole.substr(lineFeed + 1);

    const CommandLine line = ParseCommandLine(arguments, programPath);

    // The fields between the separators, after the leading blanks; none is ever cut.
    std::string_view rest = arguments;
    while (!rest.empty() && IsBlank(rest.front()))
        rest.remove_prefix(1);
    std::vector<std::string_view> fields;
    for (std::size_t separator; (separator = rest.find('|')) != std::string_view::npos;) {
        fields.push_back(rest.substr(0, separator));
        rest.remove_prefix(separator + 1);
    }
    fields.push_back(rest);
    const auto field = [&](std::size_t index) {
        return index < fields.size() ? fields[index] : std::string_view();
    };

    FUZZ_REQUIRE(line.resultPath == field(0));
    const std::size_t slash = programPath.find_last_of('\\');
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : programPath.substr(0, slash + 1);
    const std::string_view helpFile = field(1).empty() ? kDefaultHelpFile : field(1);
    FUZZ_REQUIRE(line.helpFilePath == std::string(folder) + std::string(helpFile));

    FUZZ_REQUIRE(line.optionFlags == ReferenceDecimal(field(2)));
    FUZZ_REQUIRE(ReadDecimal(field(2)) == ReferenceDecimal(field(2)));
    // The type field is everything after the third separator, further separators included.
    std::string_view typeField;
    if (fields.size() > 3) {
        const std::size_t start = field(0).size() + field(1).size() + field(2).size() + 3;
        std::string_view trimmed = arguments;
        while (!trimmed.empty() && IsBlank(trimmed.front()))
            trimmed.remove_prefix(1);
        typeField = trimmed.substr(start);
    }
    constexpr std::string_view kKeyword = "IMPORT_TYPE_";
    const long long expectedType =
        typeField.starts_with(kKeyword) ? ReferenceDecimal(typeField.substr(kKeyword.size())) : 0;
    FUZZ_REQUIRE(line.importType == expectedType);
    return 0;
}
