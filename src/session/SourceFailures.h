// The messages for the failure codes of the file sources.
#pragma once

#include "platform/Files.h"
#include "platform/MemoryShortage.h"

#include <string>

enum SourceFailure : int {
    kUnknownSpeedDialFormat = -7,
    kInvalidCsvData = -6,
    kNoFaxNumberFound = -5,
    kNothingRead = -4,
    kOutOfMemory = -3,
    kFileSizeUnreadable = -2,
    kFileCannotOpen = -1,
};

inline bool IsSourceFailure(int result) {
    return result >= -7 && result <= -1;
}

// Runs a file source's step; memory that cannot be had, wherever the step asks for it, ends the
// step with kOutOfMemory instead of an exception.
template <typename Step> int OutOfMemoryAsFailure(Step&& step) {
    int result = kOutOfMemory;
    CompletedWithMemory([&] { result = step(); });
    return result;
}

// The failure code of a source file that could not be read whole.
int SourceFailureOf(platform::ReadStatus status);

// The text for a failure code, formatted with the source file's path.
std::string SourceFailureMessage(int failure, const std::string& path);

// Replaces the one "%s" or "%d" of a fixed text, as wsprintfA would, without any length limit.
std::string FormatText(const char* format, const std::string& argument);
std::string FormatText(const char* format, long long number);
