// The code page 1258 converters with every kind of source length and target size; targets are
// sized exactly, so a unit or byte written past them is reported. Input: the source (bytes, or
// UTF-16 units little-endian), then (from the end) the direction, the normalization, the flags,
// the default character, the source length and the target sizes.
#include "FuzzSupport.h"
#include "text/CodePageConversion.h"
#include "text/Cp1258Tables.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

namespace {

constexpr std::array<std::uint32_t, 6> kFlags = {
    0,
    platform::kWcCompositeCheck,
    platform::kWcNoBestFitChars,
    platform::kWcErrInvalidChars,
    platform::kWcCompositeCheck | platform::kWcNoBestFitChars,
    0x8000, // not a flag
};
constexpr std::array<const char*, 3> kDefaultChars = {nullptr, "?", "\xCC"};

// A source as the caller hands it: -1 with a terminated copy, a count with exactly that many
// elements and nothing after them, or a length the converters refuse.
template <typename Char> struct Source {
    std::vector<Char> elements;
    int length = -1;
};

template <typename Char>
Source<Char> MakeSource(const std::vector<Char>& text, FuzzedDataProvider& input) {
    Source<Char> source;
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: { // terminated
        const auto end = std::find(text.begin(), text.end(), Char(0));
        source.elements.assign(text.begin(), end);
        source.elements.push_back(Char(0));
        source.length = -1;
        break;
    }
    case 1: // counted, the whole text
        source.elements = text;
        source.length = static_cast<int>(text.size());
        break;
    case 2: { // counted, a prefix
        const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, text.size());
        source.elements.assign(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(count));
        source.length = static_cast<int>(count);
        break;
    }
    default: // refused
        source.elements = text;
        source.length = input.ConsumeIntegralInRange(-5, -2);
        break;
    }
    if (source.elements.empty())
        source.elements.reserve(1); // a valid pointer with nothing to read
    return source;
}

struct Options {
    std::uint32_t flags = 0;
    const char* defaultChar = nullptr;
    bool receiver = false;
};

int ToWide(const char* source, int length, std::vector<char16_t>& target) {
    const int size = static_cast<int>(target.size());
    const int result = Cp1258ToWide(0, source, length, size ? target.data() : nullptr, size);
    FUZZ_REQUIRE(result >= 0 && (size == 0 || result <= size));
    return result;
}

int ToBytes(const char16_t* source, int length, std::vector<char>& target, const Options& options,
            bool* usedDefault) {
    const int size = static_cast<int>(target.size());
    const int result = WideToCp1258(options.flags, source, length, size ? target.data() : nullptr,
                                    size, options.defaultChar, usedDefault);
    FUZZ_REQUIRE(result >= 0 && (size == 0 || result <= size));
    return result;
}

// Whether a unit converts by the tables alone, never reaching the platform. A unit up to U+00FF
// is its own byte only where that byte stands for it (0xDE is a combining tilde, not U+00DE).
bool ByTables(char16_t unit) {
    return (unit <= 0xFF && Cp1258CharOf(static_cast<unsigned char>(unit)) == unit) ||
           FindDecomposition(unit, nullptr, nullptr) || FindCp1258Char(&unit, nullptr);
}

std::vector<char> BytesOf(const std::vector<char16_t>& units, const Options& options) {
    const int length = static_cast<int>(units.size());
    std::vector<char> none;
    const int needed = ToBytes(units.data(), length, none, options, nullptr);
    std::vector<char> bytes(static_cast<std::size_t>(needed));
    if (needed > 0)
        FUZZ_REQUIRE(ToBytes(units.data(), length, bytes, options, nullptr) == needed);
    return bytes;
}

std::vector<char16_t> UnitsOf(const std::vector<char>& bytes) {
    const int length = static_cast<int>(bytes.size());
    std::vector<char16_t> none;
    const int needed = ToWide(bytes.data(), length, none);
    std::vector<char16_t> units(static_cast<std::size_t>(needed));
    if (needed > 0)
        FUZZ_REQUIRE(ToWide(bytes.data(), length, units) == needed);
    return units;
}

// Bytes that a conversion to code page 1258 gave by the tables convert to UTF-16 and back to
// the same bytes: the splitting of precomposed letters and the joining of pairs undo each other.
void CheckRoundTrip(const std::vector<char>& bytes) {
    if (bytes.empty())
        return;
    const std::vector<char16_t> units = UnitsOf(bytes);
    FUZZ_REQUIRE(!units.empty() && units.size() <= bytes.size());
    FUZZ_REQUIRE(std::all_of(units.begin(), units.end(), ByTables));
    FUZZ_REQUIRE(BytesOf(units, Options{}) == bytes);
}

// The text that WideToCp1258 converts unit by unit: normalized when the platform can.
std::vector<char16_t> AsConverted(const char16_t* text, int length, bool normalize) {
    std::vector<char16_t> units(text, text + length);
    const platform::FormCNormalizer normalizer;
    if (!normalize || length == 0 || !normalizer.Available())
        return units;
    std::vector<char16_t> normalized(static_cast<std::size_t>(length) * 3 + 16);
    const int written =
        normalizer.Normalize(text, length, normalized.data(), static_cast<int>(normalized.size()));
    if (written > 0)
        units.assign(normalized.begin(), normalized.begin() + written);
    return units;
}

void FuzzToWide(const std::vector<char>& text, FuzzedDataProvider& input) {
    Source<char> source = MakeSource(text, input);
    const char* data = source.elements.data();
    std::vector<char16_t> none;
    const int needed = ToWide(data, source.length, none);
    if (source.length == 0 || source.length < -1) {
        FUZZ_REQUIRE(needed == 0);
        return;
    }
    std::vector<char16_t> full(static_cast<std::size_t>(needed));
    if (needed > 0)
        FUZZ_REQUIRE(ToWide(data, source.length, full) == needed);
    // Smaller targets get the start of the same units.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<char16_t> part(input.ConsumeIntegralInRange<std::size_t>(1, full.size() + 2));
        const int written = ToWide(data, source.length, part);
        FUZZ_REQUIRE(written == std::min(needed, static_cast<int>(part.size())));
        FUZZ_REQUIRE(std::equal(part.begin(), part.begin() + written, full.begin()));
    }
    // A null target, and a target over the source, are refused without a write.
    platform::SetLastError(0);
    FUZZ_REQUIRE(Cp1258ToWide(0, data, source.length, nullptr, 4) == 0);
    FUZZ_REQUIRE(platform::LastError() == platform::kErrorInsufficientBuffer);
    if (source.elements.size() >= 2) {
        const std::vector<char> before = source.elements;
        auto* over = reinterpret_cast<char16_t*>(source.elements.data());
        FUZZ_REQUIRE(Cp1258ToWide(0, data, source.length, over,
                                  static_cast<int>(source.elements.size() / 2)) == 0);
        FUZZ_REQUIRE(platform::LastError() == platform::kErrorInvalidParameter);
        FUZZ_REQUIRE(source.elements == before);
    }
    CheckRoundTrip(BytesOf(full, Options{}));
}

void FuzzToBytes(const std::vector<char16_t>& text, const Options& options, bool normalize,
                 FuzzedDataProvider& input) {
    Source<char16_t> source = MakeSource(text, input);
    const char16_t* data = source.elements.data();
    bool usedDefault = true;
    bool* receiver = options.receiver ? &usedDefault : nullptr;
    std::vector<char> none;
    const int needed = ToBytes(data, source.length, none, options, receiver);
    if (source.length == 0 || source.length < -1) {
        FUZZ_REQUIRE(needed == 0);
        return;
    }
    // The units before the first 0 unit, or before the count.
    const auto length = static_cast<int>(
        std::find(source.elements.begin(),
                  source.elements.begin() +
                      (source.length == -1 ? static_cast<std::ptrdiff_t>(source.elements.size())
                                           : source.length),
                  u'\0') -
        source.elements.begin());
    const std::vector<char16_t> converted = AsConverted(data, length, normalize);
    const bool byTables = std::all_of(converted.begin(), converted.end(), ByTables);
    if (byTables) {
        FUZZ_REQUIRE(needed > 0 || (length == 0 && source.length != -1 && length == source.length));
        if (receiver)
            FUZZ_REQUIRE(!usedDefault);
    }
    std::vector<char> full(static_cast<std::size_t>(needed));
    if (needed > 0)
        FUZZ_REQUIRE(ToBytes(data, source.length, full, options, receiver) == needed);
    // Smaller targets get the start of the same bytes.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<char> part(input.ConsumeIntegralInRange<std::size_t>(1, full.size() + 2));
        const int written = ToBytes(data, source.length, part, options, receiver);
        if (needed == 0)
            continue; // a unit the platform could not convert: no length to compare with
        FUZZ_REQUIRE(written <= needed);
        if (static_cast<int>(part.size()) >= needed)
            FUZZ_REQUIRE(written == needed);
        FUZZ_REQUIRE(std::equal(part.begin(), part.begin() + written, full.begin()));
    }
    platform::SetLastError(0);
    FUZZ_REQUIRE(WideToCp1258(options.flags, data, source.length, nullptr, 4, nullptr, nullptr) ==
                 0);
    FUZZ_REQUIRE(platform::LastError() == platform::kErrorInsufficientBuffer);
    if (byTables && options.flags == 0)
        CheckRoundTrip(full);
}

// The units the conversion tells apart: every unit up to U+00FF, the letters the tables split,
// the characters of the high bytes, the tone marks, and a few that only the platform converts
// (a letter and a mark without a byte, CJK, the replacement character, both halves of a
// surrogate pair, private use, the byte order mark).
const std::vector<char16_t>& Alphabet() {
    static const std::vector<char16_t> alphabet = [] {
        std::vector<char16_t> units;
        for (int unit = 0; unit <= 0xFF; ++unit)
            units.push_back(static_cast<char16_t>(unit));
        for (const DecompositionEntry& entry : decompositionTable)
            units.push_back(entry.composed);
        for (const HighChar& high : highCharTable)
            units.push_back(high.unit);
        for (const ToneMark& tone : toneMarks)
            units.push_back(tone.mark);
        for (const char16_t unit : {u'\u0100', u'\u0302', u'\u4E2D', u'\uFFFD', char16_t(0xD800),
                                    char16_t(0xDC00), u'\uE000', u'\uFEFF'})
            units.push_back(unit);
        return units;
    }();
    return alphabet;
}

// The unit of two input bytes. Units outside the tables reach the platform one at a time and all
// take the same way through the program, which makes them the costly part of an input for
// nothing new: units are taken from the alphabet, except that a low byte 0xFF keeps the unit
// as it came, whatever it is.
char16_t UnitOf(std::uint8_t low, std::uint8_t high) {
    const auto unit = static_cast<char16_t>(low | high << 8);
    if (low == 0xFF)
        return unit;
    return Alphabet()[unit % Alphabet().size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool toWide = input.ConsumeBool();
    const bool normalize = input.ConsumeBool();
    platform::SetNormalizationAvailable(normalize);
    Options options;
    options.flags = input.PickValueInArray(kFlags);
    options.defaultChar = input.PickValueInArray(kDefaultChars);
    options.receiver = input.ConsumeBool();
    // The source takes what the settings above and the sizes below leave.
    const std::size_t sourceBytes = input.remaining_bytes() > 4 ? input.remaining_bytes() - 4 : 0;
    const std::vector<std::uint8_t> bytes = input.ConsumeBytes<std::uint8_t>(sourceBytes);
    if (toWide) {
        FuzzToWide(std::vector<char>(bytes.begin(), bytes.end()), input);
    } else {
        std::vector<char16_t> units(bytes.size() / 2);
        for (std::size_t i = 0; i < units.size(); ++i)
            units[i] = UnitOf(bytes[2 * i], bytes[2 * i + 1]);
        FuzzToBytes(units, options, normalize, input);
    }
    return 0;
}
