#include "session/CommandLine.h"

#include <climits>

namespace {

constexpr char kSeparator = '|';
constexpr std::string_view kImportTypeKeyword = "IMPORT_TYPE_";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view ProgramFolder(std::string_view programPath) {
    const auto slash = programPath.find_last_of('\\');
    return slash == std::string_view::npos ? std::string_view{} : programPath.substr(0, slash + 1);
}

} // namespace

int ReadDecimal(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value < INT_MIN ? INT_MIN : -value);
    return static_cast<int>(value > INT_MAX ? INT_MAX : value);
}

CommandLine ParseCommandLine(std::string_view arguments, std::string_view programPath) {
    while (!arguments.empty() && IsBlank(arguments.front()))
        arguments.remove_prefix(1);

    CommandLine result;
    const auto firstSeparator = arguments.find(kSeparator);
    result.resultPath = std::string(arguments.substr(0, firstSeparator));

    std::string_view helpFile = kDefaultHelpFile;
    if (firstSeparator != std::string_view::npos && firstSeparator + 1 < arguments.size()) {
        const std::string_view rest = arguments.substr(firstSeparator + 1);
        const auto secondSeparator = rest.find(kSeparator);
        const std::string_view helpField = rest.substr(0, secondSeparator);
        if (!helpField.empty())
            helpFile = helpField;
        if (secondSeparator != std::string_view::npos && secondSeparator + 1 < rest.size()) {
            const std::string_view afterSecond = rest.substr(secondSeparator + 1);
            if (afterSecond.front() != kSeparator)
                result.optionFlags = ReadDecimal(afterSecond);
            const auto thirdSeparator = afterSecond.find(kSeparator);
            if (thirdSeparator != std::string_view::npos) {
                const std::string_view typeField = afterSecond.substr(thirdSeparator + 1);
                if (typeField.starts_with(kImportTypeKeyword))
                    result.importType = ReadDecimal(typeField.substr(kImportTypeKeyword.size()));
            }
        }
    }
    result.helpFilePath = std::string(ProgramFolder(programPath)) + std::string(helpFile);
    return result;
}
