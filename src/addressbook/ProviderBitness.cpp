#include "addressbook/ProviderBitness.h"

#include "session/SourceFailures.h"
#include "text/FixedTexts.h"

#include <cctype>
#include <string_view>

namespace {

bool SameLetters(std::string_view value, std::string_view word) {
    if (value.size() != word.size())
        return false;
    for (std::size_t at = 0; at < value.size(); ++at)
        if (std::tolower(static_cast<unsigned char>(value[at])) != word[at])
            return false;
    return true;
}

// The bitness a registry value of the office suite names, else 0.
int RecordedBitness(std::string_view value) {
    if (SameLetters(value, "x86"))
        return 32;
    if (SameLetters(value, "x64"))
        return 64;
    return 0;
}

} // namespace

int OtherRecordedBitness(const std::vector<std::string>& recordedValues, int programBits) {
    int other = 0;
    for (const std::string& value : recordedValues) {
        const int bits = RecordedBitness(value);
        if (bits == programBits)
            return 0; // a mail program this build can load is there too
        if (bits != 0)
            other = bits;
    }
    return other;
}

std::string BitnessMismatchMessage(const std::string& library, int libraryBits) {
    // The number first, so that a library name with a "%d" in it stays as it is.
    const std::string withBits = FormatText(texts::kBitnessMismatch, libraryBits);
    return FormatText(withBits.c_str(), library);
}
