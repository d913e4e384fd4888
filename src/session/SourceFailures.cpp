#include "session/SourceFailures.h"

#include "text/FixedTexts.h"

#include <cstring>

std::string FormatText(const char* format, const std::string& argument) {
    std::string text(format);
    const auto at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

std::string FormatText(const char* format, long long number) {
    std::string text(format);
    const auto at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(number));
    return text;
}

int SourceFailureOf(platform::ReadStatus status) {
    switch (status) {
    case platform::ReadStatus::CannotOpen:
        return kFileCannotOpen;
    case platform::ReadStatus::CannotSize:
        return kFileSizeUnreadable;
    case platform::ReadStatus::OutOfMemory:
        return kOutOfMemory;
    default:
        return kNothingRead;
    }
}

std::string SourceFailureMessage(int failure, const std::string& path) {
    switch (failure) {
    case kUnknownSpeedDialFormat:
        return FormatText(texts::kEwsFormatInvalid, path);
    case kInvalidCsvData:
        return FormatText(texts::kCsvFormatInvalid, path);
    case kNoFaxNumberFound:
        return FormatText(texts::kNoFaxNumberInFile, path);
    case kOutOfMemory:
        return FormatText(texts::kOutOfMemoryForFile, path);
    default:
        return FormatText(texts::kCannotAccessFile, path);
    }
}
